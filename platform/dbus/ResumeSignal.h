#pragma once

// The system's word that it has woken from suspend: logind's PrepareForSleep(false) on the
// system bus. Without a system bus or without logind it never comes.

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
};

} // namespace platform
