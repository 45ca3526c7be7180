#pragma once

// The application object of the calendar. An exception that an event handler or a timer slot
// lets out (running out of memory, say) reaches the general error report instead of ending
// the program: the action in progress stops, and the windows stay open.

#include <QApplication>

class TGuardedApplication : public QApplication {
public:
    TGuardedApplication(int& Argc, char** Argv);

    bool notify(QObject* Receiver, QEvent* Event) override;
};
