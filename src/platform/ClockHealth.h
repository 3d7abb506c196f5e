#pragma once

// What the kernel knows of how well the system clock is kept, from whichever time service keeps
// it.
struct ClockReading {
    bool answered = false;     // false when the kernel refused to answer
    bool synchronised = false; // a time service keeps the clock
    long maxErrorUs = 0;       // the service's bound on the clock's error
    long estErrorUs = 0;       // its estimate of the error
};

class ClockHealth {
public:
    virtual ~ClockHealth() = default;
    virtual ClockReading read() const = 0;
};
