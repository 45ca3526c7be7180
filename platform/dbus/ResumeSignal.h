#pragma once

// The system's word that it has woken from suspend: logind's PrepareForSleep(false) on the
// system bus, listened for from as soon as the bus answers. Without a system bus or without
// logind it never comes; a signal of that name from any other sender is not it.

#include <QObject>

namespace platform {

class TResumeSignal : public QObject {
    Q_OBJECT

public:
    explicit TResumeSignal(QObject* Parent = nullptr);

    // Whether the bus has answered and the signal is listened for.
    bool Listening() const { return FListening; }

signals:
    void Resumed();

private slots:
    void PrepareForSleep(bool Sleeping);

private:
    bool FListening = false;
};

} // namespace platform
