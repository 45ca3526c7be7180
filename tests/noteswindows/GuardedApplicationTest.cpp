// An exception that leaves an event handler or a timer slot reaches the error report, and
// the program runs on. A program of its own: it needs the guarded application object.

#include "main/GuardedApplication.h"
#include "common/ErrorReport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace {

class TThrowingObject : public QObject {
public:
    bool event(QEvent* Event) override {
        if (Event->type() == QEvent::User) {
            throw std::bad_alloc();
        }
        return QObject::event(Event);
    }
};

class GuardedApplication : public testing::Test {
protected:
    void SetUp() override {
        SetErrorReporter([this](const QString& Text) { Errors << Text; });
    }
    void TearDown() override { SetErrorReporter({}); }

    QStringList Errors;
};

} // namespace

TEST_F(GuardedApplication, ReportsWhatAnEventHandlerOrATimerSlotLetsOut) {
    TThrowingObject Target;
    QCoreApplication::postEvent(&Target, new QEvent(QEvent::User));
    QTimer::singleShot(0, [] { throw std::runtime_error("timer slot"); });
    bool RanOn = false;
    QTimer::singleShot(10, [&] {
        RanOn = true;
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    EXPECT_TRUE(RanOn);
    EXPECT_EQ(Errors, QStringList({QStringLiteral("内存不足，这一操作已停止。"),
                                   QStringLiteral("这一操作因错误而停止：timer slot")}));
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    TGuardedApplication Application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
