#include "common/SecondaryWindow.h"

#include "common/WindowAlpha.h"
#include "common/WindowReferences.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void TakeMainWindowOpacity(QWidget* Window) {
    if (frmManyYear != nullptr) {
        SetWindowAlpha(Window, WindowAlpha(frmManyYear));
    }
}

void CentreOnMainWindow(QWidget* Window) {
    QRect Area;
    if (frmManyYear != nullptr) {
        Area = frmManyYear->frameGeometry();
    } else if (const QScreen* Screen = QGuiApplication::primaryScreen()) {
        Area = Screen->geometry();
    }
    const QSize Size = Window->frameGeometry().size();
    Window->move(Area.center() - QPoint(Size.width() / 2, Size.height() / 2));
}

void DockToMainWindow(QWidget* Window) {
    if (frmManyYear != nullptr) {
        Window->move(frmManyYear->x() + frmManyYear->width(), frmManyYear->y());
    }
}
