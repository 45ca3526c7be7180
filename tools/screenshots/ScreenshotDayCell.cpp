// Renders the main window on 2024-02-10, the first day of the 春节 holiday, into
// <folder>/holiday-marks.png (the 休 and 班 marks of February 2024), the same drawn at twice
// the pixel density into <folder>/holiday-marks-2x.png, and the screen with the tooltip of
// that day's cell, which holds a desk note, into <folder>/day-tooltip.png.

#include "main/UMain.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "tools/screenshots/ScreenshotOutput.h"
#include "widgets/MonthGrid.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QPixmap>
#include <QTemporaryDir>
#include <QToolTip>

#include <cstdio>

namespace {

constexpr char Notes[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><便签列表><Date2024-02-10>"
                         "<标题>给长辈拜年</标题><日期>2024-02-10 10:00</日期><提醒>是</提醒>"
                         "<内容/></Date2024-02-10></便签列表>";

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    QApplication Application(argc, argv);
    const QDir Out(QString::fromLocal8Bit(argv[1]));

    QTemporaryDir Data;
    QFile NotesFile(Data.filePath(QStringLiteral("Notes.xml")));
    if (!NotesFile.open(QIODevice::WriteOnly) || NotesFile.write(Notes) < 0)
        return 1;
    NotesFile.close();
    platform::SetDataFolder(Data.path().toStdString() + "/");
    platform::SetClock([] { return EncodeDateTime(2024, 2, 10, 10, 8, 8); });

    TfrmManyYear Window;
    Window.move(40, 40);
    Window.show();
    Window.FormActivate();
    RunEventsFor(300);

    QPixmap Twice(Window.size() * 2);
    Twice.setDevicePixelRatio(2);
    Window.render(&Twice);
    if (!SavePicture(Window.grab().toImage(), Out.filePath(QStringLiteral("holiday-marks.png"))) ||
        !SavePicture(Twice.toImage(), Out.filePath(QStringLiteral("holiday-marks-2x.png"))))
        return 1;

    // The pointer rests on the 10th, Saturday of the second week.
    TMonthGrid& Grid = *Window.advDays;
    const QPoint At = Grid.CellRect(6, 2).center();
    QHelpEvent Hover(QEvent::ToolTip, At, Grid.mapToGlobal(At));
    QApplication::sendEvent(&Grid, &Hover);
    RunEventsFor(500);
    // The window and the tooltip as they stand on the screen.
    QWidget* Tip = nullptr;
    for (QWidget* Shown : QApplication::topLevelWidgets())
        if (Shown->inherits("QTipLabel") && Shown->isVisible())
            Tip = Shown;
    if (Tip == nullptr) {
        std::fprintf(stderr, "no tooltip came up\n");
        return 1;
    }
    return SavePicture(TwoWindows(Window, *Tip), Out.filePath(QStringLiteral("day-tooltip.png")))
               ? 0
               : 1;
}
