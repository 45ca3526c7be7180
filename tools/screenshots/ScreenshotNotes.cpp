// Renders today's notes popup and the three note dialogs into PNG files of the folder given
// as the first argument, with a fixed day and a temporary data folder holding a few notes.

#include "notes/UNotesFile.h"
#include "notes/windows/UNoteAdd.h"
#include "notes/windows/UNoteHis.h"
#include "notes/windows/UNoteList.h"
#include "notes/windows/UNoteset.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "widgets/ReportList.h"

#include <QApplication>
#include <QBitmap>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>

#include <string>
#include <vector>

namespace {

bool Save(QWidget* Window, const QString& Folder, const QString& Name) {
    QApplication::processEvents();
    QImage Picture = Window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    if (!Window->mask().isEmpty()) {
        // Outside the window's shape nothing shows on the screen.
        QImage Cut(Picture.size(), QImage::Format_ARGB32);
        Cut.fill(Qt::transparent);
        QPainter Painter(&Cut);
        Painter.setClipRegion(Window->mask());
        Painter.drawImage(0, 0, Picture);
        Painter.end();
        Picture = Cut;
    }
    const QString Path = QDir(Folder).filePath(Name);
    if (!Picture.save(Path)) {
        QTextStream(stderr) << "cannot write " << Path << "\n";
        return false;
    }
    QTextStream(stdout) << Path << "\n";
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication Application(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: screenshot_notes <output folder>\n";
        return 2;
    }
    const QString Output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(Output);

    QTemporaryDir Data;
    platform::SetDataFolder(Data.path().toStdString());
    platform::SetClock([] { return EncodeDateTime(2024, 5, 1, 9, 30, 0); });
    const std::string FileName = notes::NotesFileName();
    notes::WriteSampleNotes(FileName);
    notes::SaveTodayNotes(FileName,
                          {{"开会", "2024-05-01 09:00", true, "三楼会议室，带上季度报表"},
                           {"买菜", "", false, "西红柿、鸡蛋、青菜"},
                           {"Call Anna", "2024-05-01 18:00", true, "Ask about the weekend trip"}});

    bool Ok = true;
    auto* Popup = new TfrmNoteList();
    Popup->show();
    Ok = Save(Popup, Output, QStringLiteral("notes-popup.png")) && Ok;

    TfrmNoteAdd Editor;
    Editor.show();
    Editor.alvNotes->setCurrentItem(Editor.alvNotes->topLevelItem(0));
    Ok = Save(&Editor, Output, QStringLiteral("notes-editor.png")) && Ok;

    TfrmNoteHis History;
    History.show();
    Ok = Save(&History, Output, QStringLiteral("notes-history.png")) && Ok;

    TfrmNoteSet Settings;
    Settings.show();
    Ok = Save(&Settings, Output, QStringLiteral("notes-settings.png")) && Ok;

    delete Popup;
    return Ok ? 0 : 1;
}
