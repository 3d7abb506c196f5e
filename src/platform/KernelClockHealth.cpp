#include "KernelClockHealth.h"

#include <sys/timex.h>

ClockReading KernelClockHealth::read() const {
    timex state{};
    const int result = ::adjtimex(&state);
    return {result, state.status, state.maxerror, state.esterror};
}
