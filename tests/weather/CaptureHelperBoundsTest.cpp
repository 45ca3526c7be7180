// The real capture helper, spoken to over its line protocol: it loads only web pages and
// writes only into the folder it was started with, whatever it is asked.

#include "weather/CaptureProtocol.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int AnswerWaitMs = 20000;

class CaptureHelperBounds : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Data.isValid() && Elsewhere.isValid());
        Helper.start(QStringLiteral(RUXA_TEST_CAPTURE_PROGRAM), {Data.path()});
        ASSERT_TRUE(Helper.waitForStarted());
    }

    void TearDown() override {
        Helper.closeWriteChannel();
        if (!Helper.waitForFinished(5000)) {
            Helper.kill();
            Helper.waitForFinished();
        }
    }

    // Sends one command and returns the helper's next answer line.
    QString Ask(const QString& Verb, const QString& Argument) {
        const auto Line = FormatCaptureLine(Verb.toStdString(), Argument.toStdString());
        EXPECT_TRUE(Line);
        Helper.write(Line->data(), static_cast<qint64>(Line->size()));
        const QDeadlineTimer Deadline(AnswerWaitMs);
        while (!Helper.canReadLine() && !Deadline.hasExpired() &&
               Helper.state() == QProcess::Running) {
            Helper.waitForReadyRead(100);
        }
        return QString::fromUtf8(Helper.readLine()).trimmed();
    }

    QString InData(const QString& Name) const { return Data.filePath(Name); }

    QTemporaryDir Data;
    QTemporaryDir Elsewhere;
    QProcess Helper;
};

TEST_F(CaptureHelperBounds, LoadsOnlyWebAddresses) {
    for (const char* Address :
         {"file:///etc/hostname", "javascript:alert(1)", "data:text/html,<p>x</p>",
          "ftp://127.0.0.1/x", "http:///no-host", "not an address"}) {
        SCOPED_TRACE(Address);
        EXPECT_EQ(Ask(QStringLiteral("navigate"), QString::fromUtf8(Address)),
                  QStringLiteral("error navigate refused"));
    }
}

TEST_F(CaptureHelperBounds, WritesOnlyPicturesDirectlyInsideItsFolder) {
    const QString Outside = Elsewhere.filePath(QStringLiteral("20240131.bmp"));
    ASSERT_TRUE(QFile::link(Outside, InData(QStringLiteral("link.bmp"))));
    ASSERT_TRUE(QDir(Data.path()).mkdir(QStringLiteral("sub")));
    const QString Refused[] = {
        Outside,
        InData(QStringLiteral("../20240131.bmp")),
        InData(QStringLiteral("sub/20240131.bmp")),
        InData(QStringLiteral("link.bmp")),
        InData(QStringLiteral("20240131.txt")),
        InData(QStringLiteral("sub")) + QStringLiteral(".bmp/"),
        QStringLiteral("20240131.bmp"),
    };
    for (const QString& File : Refused) {
        SCOPED_TRACE(File.toStdString());
        EXPECT_EQ(Ask(QStringLiteral("capture"), File), QStringLiteral("error capture refused"));
    }
    EXPECT_FALSE(QFile::exists(Outside));

    const QString Snapshot = InData(QStringLiteral("20240131.bmp"));
    EXPECT_EQ(Ask(QStringLiteral("capture"), Snapshot), QStringLiteral("done ") + Snapshot);
    EXPECT_TRUE(QFile::exists(Snapshot));
}

TEST_F(CaptureHelperBounds, ALinePastTheLimitEndsTheHelper) {
    Helper.write(QByteArray(static_cast<qsizetype>(CaptureLineLimit) + 1, 'x'));
    EXPECT_TRUE(Helper.waitForFinished(AnswerWaitMs));
}

} // namespace
