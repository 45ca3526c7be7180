#include "tools/screenshots/ScreenshotOutput.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cstdio>

void RunEventsFor(int Milliseconds) {
    QDeadlineTimer Deadline(Milliseconds);
    while (!Deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

QImage TwoWindows(QWidget& First, QWidget& Second) {
    const QRect Both = First.frameGeometry().united(Second.frameGeometry());
    QImage Picture(Both.size(), QImage::Format_ARGB32);
    Picture.fill(Qt::transparent);
    QPainter Painter(&Picture);
    Painter.drawPixmap(First.pos() - Both.topLeft(), First.grab());
    Painter.drawPixmap(Second.pos() - Both.topLeft(), Second.grab());
    return Picture;
}

bool SavePicture(const QImage& Picture, const QString& File) {
    if (!Picture.save(File)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(File));
        return false;
    }
    std::printf("%s\n", qPrintable(File));
    return true;
}
