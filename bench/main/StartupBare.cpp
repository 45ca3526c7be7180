// A bare Qt Widgets window of the main window's size and name, "万年历": the yardstick for
// the start-up. With the argument "fonts" it also shows one line in each of the calendar's
// three font roles (the Chinese sans, the Kai and the bold digits), to tell the cost of the
// fonts apart from the cost of the calendar itself. It runs until it is ended.

#include "widgets/WindowFonts.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[]) {
    QApplication Application(argc, argv);
    QWidget Window;
    Window.setWindowTitle(QStringLiteral("万年历"));
    Window.resize(631, 386);
    if (argc > 1 && std::strcmp(argv[1], "fonts") == 0) {
        const std::pair<QString, QFont> Lines[] = {
            {QStringLiteral("公历：2012-10-08 "), SansFont(11)},
            {QStringLiteral("壬辰龙年"), KaiFont(21, true)},
            {QStringLiteral("08"), DayNumberFont(96)}};
        int Top = 4;
        for (const auto& [Text, Font] : Lines) {
            auto* Label = new QLabel(Text, &Window);
            Label->setFont(Font);
            Label->move(4, Top);
            Top += 40;
        }
    }
    Window.show();
    return QApplication::exec();
}
