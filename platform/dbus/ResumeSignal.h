#pragma once

// The system's word that it has woken from suspend: logind's PrepareForSleep(false) on the
// system bus, listened for from the first turn of the event loop on. Without a system bus or
// without logind it never comes.

#include <QObject>

namespace platform {

class TResumeSignal : public QObject {
    Q_OBJECT

public:
    explicit TResumeSignal(QObject* Parent = nullptr);

signals:
    void Resumed();

private slots:
    void PrepareForSleep(bool Sleeping);

private:
    void Listen();
};

} // namespace platform
