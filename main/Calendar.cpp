#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication Application(argc, argv);
    QLabel Window(QStringLiteral("万年历"));
    Window.resize(631, 386);
    Window.show();
    return QApplication::exec();
}
