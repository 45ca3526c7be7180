#include "bench/main/FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

constexpr int HoldMs = 400;

class TFirstPaintWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Paint && !FSeen) {
            FSeen = true;
            // Reported once the paint has been handed on, from the next turn of the loop.
            QTimer::singleShot(0, [] {
                const auto Now = std::chrono::system_clock::now().time_since_epoch();
                std::printf("%lld\n",
                            static_cast<long long>(
                                std::chrono::duration_cast<std::chrono::nanoseconds>(Now).count()));
                std::fflush(stdout);
                QTimer::singleShot(HoldMs, qApp, &QCoreApplication::quit);
            });
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    bool FSeen = false;
};

} // namespace

void ReportFirstPaint(QWidget* Window) {
    // Opaque children may cover the whole window, so the first paint of any of them counts.
    auto* Watch = new TFirstPaintWatch(Window);
    Window->installEventFilter(Watch);
    for (QWidget* Child : Window->findChildren<QWidget*>())
        Child->installEventFilter(Watch);
}
