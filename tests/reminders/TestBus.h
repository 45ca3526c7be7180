#pragma once

// A private D-Bus daemon for a test run, listening on a socket in a temporary folder and
// offering no services of its own: nothing is started on demand, every name may be owned.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class TTestBus {
public:
    TTestBus();
    ~TTestBus();
    TTestBus(const TTestBus&) = delete;
    TTestBus& operator=(const TTestBus&) = delete;

    // The address to connect to; empty when the daemon did not start.
    const QString& Address() const { return FAddress; }

    // Stops the daemon (SIGSTOP) or lets it go on: a stopped daemon still takes connections
    // into its queue but answers nothing, as a hung one does.
    void Hang(bool Hung);

private:
    QTemporaryDir FFolder;
    QProcess FDaemon;
    QString FAddress;
};
