#pragma once

// A main window on the test's own session bus, with the test's notification service on it,
// and ticks of the note alarm at chosen times of 1 May 2024, each waiting for the popup's
// shake to end.

#include "FakeNotifications.h"
#include "MainWindowFixture.h"

#include <QStringList>

#include <memory>

class TReminderNoticeTest : public TMainWindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    void TickAt(int Hour, int Minute, int Second);
    // Waits until the service has received Count notifications; false when they never came.
    bool NotificationsArrive(std::size_t Count) const;
    static bool PopupShown();
    // Waits until the alarm listens for the system's resume signal.
    void WaitUntilResumeIsHeard() const;

    static const QStringList MarkupCapabilities;
    std::unique_ptr<TFakeNotifications> Service;
};
