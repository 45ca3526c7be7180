// The window's side of the capture helper, against small stand-in helpers that speak the
// line protocol, answer, crash or hang.

#include "weather/WeatherCapture.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

constexpr int WaitMs = 5000;

// What the stand-in does at its start and for each command (shell commands; $arg is the
// argument, $log the start log).
struct THelperScript {
    const char* AtStart = "";
    const char* OnNavigate = "echo completed";
    const char* OnCapture = "echo \"done $arg\"";
};

class WeatherCaptureHelper : public ::testing::Test {
protected:
    // Writes the stand-in; every start of it adds a line to the start log.
    QString Helper(const THelperScript& Script) {
        const QString Path = Folder.filePath(QStringLiteral("helper.sh"));
        QFile File(Path);
        EXPECT_TRUE(File.open(QIODevice::WriteOnly));
        QTextStream(&File) << "#!/bin/sh\n"
                           << "log='" << StartLog() << "'\n"
                           << "echo \"started $1\" >> \"$log\"\n"
                           << Script.AtStart << "\n"
                           << "while IFS= read -r line; do\n"
                           << "  verb=${line%% *}; arg=${line#* }\n"
                           << "  case \"$verb\" in\n"
                           << "    navigate) " << Script.OnNavigate << " ;;\n"
                           << "    capture) " << Script.OnCapture << " ;;\n"
                           << "  esac\n"
                           << "done\n";
        File.close();
        File.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return Path;
    }

    QString StartLog() const { return Folder.filePath(QStringLiteral("starts.log")); }

    QByteArray StartLogText() const {
        QFile Log(StartLog());
        return Log.open(QIODevice::ReadOnly) ? Log.readAll() : QByteArray();
    }

    int Starts() const { return StartLogText().count('\n'); }

    QTemporaryDir Folder;
};

TEST_F(WeatherCaptureHelper, PassesCompletionAndTheSavedFile) {
    TWeatherCapture Capture(Helper({}), Folder.path());
    QSignalSpy Completed(&Capture, &TWeatherCapture::PageCompleted);
    QSignalSpy Saved(&Capture, &TWeatherCapture::CaptureSaved);
    Capture.Navigate(QStringLiteral("http://127.0.0.1:1/weather/weather.aspx?a=&b=1"));
    ASSERT_TRUE(Completed.wait(WaitMs));
    Capture.Capture(QStringLiteral("/data folder/20240131.bmp"));
    ASSERT_TRUE(Saved.wait(WaitMs));
    EXPECT_EQ(Saved.at(0).at(0).toString(), QStringLiteral("/data folder/20240131.bmp"));
    Capture.Navigate(QStringLiteral("http://127.0.0.1:1/again"));
    ASSERT_TRUE(Completed.wait(WaitMs));
    EXPECT_EQ(StartLogText(), "started " + Folder.path().toUtf8() + "\n")
        << "one start, told the folder it may write into";
}

// A failed capture ends the capture; a failed load that arrives meanwhile does not.
TEST_F(WeatherCaptureHelper, FailuresEndOnlyTheCommandTheyName) {
    const struct {
        const char* Name;
        const char* OnCapture;
        bool Saved;
    } Cases[] = {
        {"capture failed", "echo 'error capture Cannot write'", false},
        {"load failed, then saved", "echo 'error navigate load failed'; echo \"done $arg\"", true},
        {"another file reported as saved", "echo 'done /some/other.bmp'", false},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        THelperScript Script;
        Script.OnCapture = Case.OnCapture;
        TWeatherCapture Capture(Helper(Script), Folder.path());
        QSignalSpy Completed(&Capture, &TWeatherCapture::PageCompleted);
        QSignalSpy Saved(&Capture, &TWeatherCapture::CaptureSaved);
        QSignalSpy Failed(&Capture, &TWeatherCapture::CaptureFailed);
        Capture.Navigate(QStringLiteral("http://127.0.0.1:1/"));
        ASSERT_TRUE(Completed.wait(WaitMs));
        Capture.Capture(QStringLiteral("/tmp/x.bmp"));
        ASSERT_TRUE((Case.Saved ? Saved : Failed).wait(WaitMs));
        EXPECT_EQ(Saved.size(), Case.Saved ? 1 : 0);
        EXPECT_EQ(Failed.size(), Case.Saved ? 0 : 1);
    }
}

TEST_F(WeatherCaptureHelper, CrashedHelperStartsAnewAtTheNextNavigation) {
    THelperScript Script;
    Script.AtStart = "[ \"$(wc -l < \"$log\")\" -eq 1 ] && exit 3";
    TWeatherCapture Capture(Helper(Script), Folder.path());
    QSignalSpy Completed(&Capture, &TWeatherCapture::PageCompleted);
    QSignalSpy Failed(&Capture, &TWeatherCapture::CaptureFailed);

    Capture.Navigate(QStringLiteral("http://127.0.0.1:1/"));
    EXPECT_FALSE(Completed.wait(1000));
    EXPECT_FALSE(Capture.Running());
    Capture.Capture(QStringLiteral("/tmp/x.bmp"));
    EXPECT_EQ(Failed.size(), 1);
    EXPECT_EQ(Starts(), 1);

    Capture.Navigate(QStringLiteral("http://127.0.0.1:1/"));
    EXPECT_TRUE(Completed.wait(WaitMs));
    EXPECT_EQ(Starts(), 2);
}

TEST_F(WeatherCaptureHelper, HelperThatDoesNotAnswerIsStopped) {
    THelperScript Script;
    Script.OnCapture = "exec sleep 600";
    TWeatherCapture::TLimits Limits;
    Limits.CaptureMs = 300;
    TWeatherCapture Capture(Helper(Script), Folder.path(), Limits);
    QSignalSpy Completed(&Capture, &TWeatherCapture::PageCompleted);
    QSignalSpy Failed(&Capture, &TWeatherCapture::CaptureFailed);

    Capture.Navigate(QStringLiteral("http://127.0.0.1:1/"));
    ASSERT_TRUE(Completed.wait(WaitMs));
    Capture.Capture(QStringLiteral("/tmp/x.bmp"));
    ASSERT_TRUE(Failed.wait(WaitMs));
    EXPECT_FALSE(Capture.Running());

    Capture.Navigate(QStringLiteral("http://127.0.0.1:1/"));
    EXPECT_TRUE(Completed.wait(WaitMs));
    EXPECT_EQ(Starts(), 2);
}

// A helper that writes on and on without a line end is stopped at the line limit instead
// of filling the calendar's memory; the next navigation starts a fresh one.
TEST_F(WeatherCaptureHelper, HelperTalkingPastTheLineLimitIsStopped) {
    THelperScript Script;
    Script.OnNavigate = "head -c 100000 /dev/zero | tr '\\0' x; echo; echo completed";
    TWeatherCapture Capture(Helper(Script), Folder.path());
    QSignalSpy Completed(&Capture, &TWeatherCapture::PageCompleted);
    Capture.Navigate(QStringLiteral("http://127.0.0.1:1/"));
    EXPECT_FALSE(Completed.wait(1500));
    EXPECT_FALSE(Capture.Running());
    Capture.Navigate(QStringLiteral("http://127.0.0.1:1/"));
    EXPECT_FALSE(Completed.wait(1500));
    EXPECT_EQ(Starts(), 2);
}

TEST_F(WeatherCaptureHelper, MissingHelperIsNoError) {
    TWeatherCapture Capture(Folder.filePath(QStringLiteral("no-such-helper")), Folder.path());
    QSignalSpy Failed(&Capture, &TWeatherCapture::CaptureFailed);
    Capture.Navigate(QStringLiteral("http://127.0.0.1:1/"));
    EXPECT_FALSE(Capture.Running());
    Capture.Capture(QStringLiteral("/tmp/x.bmp"));
    EXPECT_EQ(Failed.size(), 1);
}

} // namespace
