#pragma once

#include "wire/Clock.h"

// A clock the test moves by hand.
struct FakeClock
{
    qint64 now = 1'700'000'000'000;
    Clock clock()
    {
        return [this] { return now; };
    }
    void advance(qint64 ms) { now += ms; }
};
