#include "notes/windows/SecondaryWindow.h"

#include "main/UMain.h"
#include "main/WindowReferences.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* AlphaProperty = "ruxaAlphaLevel";

} // namespace

void SetWindowAlpha(QWidget* Window, int Level) {
    Level = qBound(0, Level, 255);
    Window->setProperty(AlphaProperty, Level);
    // Half a step up, so that the platform's truncation to 0..255 gives Level back.
    Window->setWindowOpacity((Level + 0.5) / 255.0);
}

int WindowAlpha(const QWidget* Window) {
    const QVariant Level = Window->property(AlphaProperty);
    return Level.isValid() ? Level.toInt() : 255;
}

void TakeMainWindowOpacity(QWidget* Window) {
    if (frmManyYear != nullptr) {
        SetWindowAlpha(Window, frmManyYear->AlphaLevel());
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
