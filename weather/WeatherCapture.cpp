#include "weather/WeatherCapture.h"

#include "weather/CaptureProtocol.h"

#include <utility>

namespace {

// How long starting or stopping the helper may block.
constexpr int HelperWaitMs = 2000;

} // namespace

TWeatherCapture::TWeatherCapture(QString Program, QObject* Parent)
    : TWeatherCapture(std::move(Program), TLimits{}, Parent) {}

TWeatherCapture::TWeatherCapture(QString Program, TLimits Limits, QObject* Parent)
    : QObject(Parent), FProgram(std::move(Program)), FLimits(Limits) {
    FAnswerTimer.setSingleShot(true);
    connect(&FAnswerTimer, &QTimer::timeout, this, &TWeatherCapture::AnswerOverdue);
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
    FUnread.clear();
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
    FProcess->start(FProgram, {});
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
    FUnread += FProcess->readAllStandardOutput();
    qsizetype End;
    while ((End = FUnread.indexOf('\n')) >= 0) {
        const QByteArray Line = FUnread.left(End);
        FUnread.remove(0, End + 1);
        if (const auto Message = ParseCaptureLine(
                std::string_view(Line.constData(), static_cast<std::size_t>(Line.size())))) {
            Answer(Message->Verb, QString::fromStdString(Message->Argument));
        }
    }
}

void TWeatherCapture::Answer(std::string_view Verb, const QString& Argument) {
    if (Verb == CaptureCompleted) {
        FNavigating = false;
        emit PageCompleted();
    } else if (Verb == CaptureDone) {
        EndCapture(true, Argument);
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

void TWeatherCapture::AnswerOverdue() {
    if (Running()) {
        FProcess->kill();
        FProcess->waitForFinished(HelperWaitMs);
    }
    HelperEnded();
}
