#include "main/KnockBurst.h"

#include <gtest/gtest.h>

TEST(KnockBurstTest, EachBurstOfKnocksBringsTheWindowForwardOnce) {
    using namespace std::chrono_literals;
    TKnockBurst Burst(1000ms);
    const TKnockBurst::TTime Start{};
    struct Knock {
        std::chrono::milliseconds At;
        bool Starts;
    };
    const Knock Knocks[] = {
        {0ms, true},     {10ms, false},  {900ms, false},  {1800ms, false},
        {2799ms, false}, {3799ms, true}, {3800ms, false}, {10000ms, true},
    };
    for (const Knock& K : Knocks) {
        SCOPED_TRACE(K.At.count());
        EXPECT_EQ(Burst.StartsBurst(Start + K.At), K.Starts);
    }
}
