#pragma once

// Later starts knock on the running calendar's door singly, or in a burst (a script, or
// someone holding the key down). Each burst brings the window forward once: a knock starts a
// burst when the door has been quiet for a while before it; every knock extends the burst.

#include <chrono>

class TKnockBurst {
public:
    using TTime = std::chrono::steady_clock::time_point;

    explicit TKnockBurst(std::chrono::milliseconds Quiet) : FQuiet(Quiet) {}

    // Knocks came at Now: true when they start a burst.
    bool StartsBurst(TTime Now) {
        const bool Starts = !FKnocked || Now - FLast >= FQuiet;
        FKnocked = true;
        FLast = Now;
        return Starts;
    }

private:
    std::chrono::milliseconds FQuiet;
    bool FKnocked = false;
    TTime FLast{};
};
