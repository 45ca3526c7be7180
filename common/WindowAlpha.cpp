#include "common/WindowAlpha.h"

#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* AlphaProperty = "ruxaAlphaLevel";
constexpr int OpaqueAlpha = 255;

} // namespace

void SetWindowAlpha(QWidget* Window, int Level) {
    Level = qBound(0, Level, OpaqueAlpha);
    Window->setProperty(AlphaProperty, Level);
    // Level/255 is what the desktop is told; read back through QWidget it gives Level again.
    Window->setWindowOpacity(Level / double(OpaqueAlpha));
}

int WindowAlpha(const QWidget* Window) {
    const QVariant Level = Window->property(AlphaProperty);
    return Level.isValid() ? Level.toInt() : OpaqueAlpha;
}
