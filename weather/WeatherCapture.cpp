#include "weather/WeatherCapture.h"

#include "weather/CaptureProtocol.h"

#include <utility>

namespace {

// How long starting or stopping the helper may block.
constexpr int HelperWaitMs = 2000;

} // namespace

TWeatherCapture::TWeatherCapture(QString Program, QString Folder, QObject* Parent)
    : TWeatherCapture(std::move(Program), std::move(Folder), TLimits{}, Parent) {}

TWeatherCapture::TWeatherCapture(QString Program, QString Folder, TLimits Limits, QObject* Parent)
    : QObject(Parent), FProgram(std::move(Program)), FFolder(std::move(Folder)), FLimits(Limits) {
    FAnswerTimer.setSingleShot(true);
    connect(&FAnswerTimer, &QTimer::timeout, this, &TWeatherCapture::StopHelper);
}

TWeatherCapture::~TWeatherCapture() {
    if (FProcess == nullptr) {
        return;
    }
    FProcess->disconnect(this);
    if (FProcess->state() != QProcess::NotRunning) {
        FProcess->closeWriteChannel();
        if (!FProcess->waitForFinished(HelperWaitMs)) {
            FProcess->kill();
            FProcess->waitForFinished(HelperWaitMs);
        }
    }
}

bool TWeatherCapture::Running() const {
    return FProcess != nullptr && FProcess->state() != QProcess::NotRunning;
}

void TWeatherCapture::Start() {
    if (FProcess != nullptr) {
        FProcess->disconnect(this);
        FProcess->deleteLater();
    }
    FReader = TCaptureLineReader();
    FNavigating = false;
    FCapturing = false;
    FProcess = new QProcess(this);
    // The engine's own messages are of no use to the calendar's user.
    FProcess->setStandardErrorFile(QProcess::nullDevice());
    connect(FProcess, &QProcess::readyReadStandardOutput, this, &TWeatherCapture::ReadAnswers);
    connect(FProcess, &QProcess::finished, this, &TWeatherCapture::HelperEnded);
    connect(FProcess, &QProcess::errorOccurred, this, [this](QProcess::ProcessError Error) {
        if (Error == QProcess::FailedToStart) {
            HelperEnded();
        }
    });
    FProcess->start(FProgram, {FFolder});
    // Returns once the program runs, or failed to start: a few milliseconds.
    FProcess->waitForStarted(HelperWaitMs);
}

void TWeatherCapture::Navigate(const QString& Address) {
    if (!Running()) {
        Start();
    }
    if (Running() && Send(CaptureNavigate, Address, FLimits.NavigateMs)) {
        FNavigating = true;
    }
}

void TWeatherCapture::Capture(const QString& FileName) {
    if (!Running() || !Send(CaptureTake, FileName, FLimits.CaptureMs)) {
        emit CaptureFailed();
        return;
    }
    FCapturing = true;
    FRequested = FileName;
}

bool TWeatherCapture::Send(std::string_view Verb, const QString& Argument, int AnswerLimitMs) {
    const QByteArray Text = Argument.toUtf8();
    const auto Line = FormatCaptureLine(
        Verb, std::string_view(Text.constData(), static_cast<std::size_t>(Text.size())));
    if (!Line || FProcess->write(Line->data(), static_cast<qint64>(Line->size())) < 0) {
        return false;
    }
    FAnswerTimer.start(AnswerLimitMs);
    return true;
}

void TWeatherCapture::ReadAnswers() {
    const QByteArray Bytes = FProcess->readAllStandardOutput();
    const bool Readable =
        FReader.Feed(std::string_view(Bytes.constData(), static_cast<std::size_t>(Bytes.size())));
    while (const auto Line = FReader.NextLine()) {
        if (const auto Message = ParseCaptureLine(*Line)) {
            Answer(Message->Verb, QString::fromStdString(Message->Argument));
        }
    }
    if (!Readable) {
        StopHelper();
    }
}

void TWeatherCapture::Answer(std::string_view Verb, const QString& Argument) {
    if (Verb == CaptureCompleted) {
        FNavigating = false;
        emit PageCompleted();
    } else if (Verb == CaptureDone) {
        EndCapture(Argument == FRequested, Argument);
    } else if (Verb == CaptureError) {
        // The reason begins with the command that failed.
        const QString Failed = Argument.section(QLatin1Char(' '), 0, 0);
        if (Failed == QString::fromUtf8(CaptureTake)) {
            EndCapture(false, {});
        } else if (Failed == QString::fromUtf8(CaptureNavigate)) {
            FNavigating = false;
        }
    }
    if (!FNavigating && !FCapturing) {
        FAnswerTimer.stop();
    }
}

void TWeatherCapture::EndCapture(bool Saved, const QString& FileName) {
    if (!FCapturing) {
        return;
    }
    FCapturing = false;
    if (Saved) {
        emit CaptureSaved(FileName);
    } else {
        emit CaptureFailed();
    }
}

void TWeatherCapture::HelperEnded() {
    FAnswerTimer.stop();
    FNavigating = false;
    EndCapture(false, {});
}

void TWeatherCapture::StopHelper() {
    if (Running()) {
        FProcess->kill();
        FProcess->waitForFinished(HelperWaitMs);
    }
    HelperEnded();
}
