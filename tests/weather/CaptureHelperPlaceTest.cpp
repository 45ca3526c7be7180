// Where the calendar finds its capture helper: at the installed helper folder when the
// helper is there and executable, else beside the program, as in the build tree.

#include "weather/WeatherEndpoints.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void PutHelper(const QString& Path, bool Executable) {
    QDir().mkpath(QFileInfo(Path).path());
    QFile Helper(Path);
    ASSERT_TRUE(Helper.open(QIODevice::WriteOnly));
    Helper.write("#!/bin/sh\n");
    Helper.close();
    QFile::Permissions Mode = QFile::ReadOwner | QFile::WriteOwner;
    if (Executable)
        Mode |= QFile::ExeOwner;
    Helper.setPermissions(Mode);
}

} // namespace

TEST(CaptureHelperPlace, InstalledFolderFirstThenBesideTheProgram) {
    struct TCase {
        const char* Name;
        bool Installed;
        bool InstalledExecutable;
        bool Beside;
        const char* Expected;
    };
    const TCase Cases[] = {
        {"installed only", true, true, false, "libexec/ruxa-calendar/ruxa-weather-capture"},
        {"both places", true, true, true, "libexec/ruxa-calendar/ruxa-weather-capture"},
        {"build tree", false, false, true, "bin/ruxa-weather-capture"},
        {"installed but not executable", true, false, true, "bin/ruxa-weather-capture"},
        {"nowhere", false, false, false, "bin/ruxa-weather-capture"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        QTemporaryDir Prefix;
        ASSERT_TRUE(Prefix.isValid());
        QDir().mkpath(Prefix.filePath(QStringLiteral("bin")));
        if (Case.Installed)
            PutHelper(Prefix.filePath(QStringLiteral("libexec/ruxa-calendar/ruxa-weather-capture")),
                      Case.InstalledExecutable);
        if (Case.Beside)
            PutHelper(Prefix.filePath(QStringLiteral("bin/ruxa-weather-capture")), true);
        EXPECT_EQ(CaptureHelperBeside(Prefix.filePath(QStringLiteral("bin"))),
                  Prefix.filePath(QString::fromUtf8(Case.Expected)));
    }
}
