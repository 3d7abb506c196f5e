#include "KernelClockHealth.h"

#include <sys/timex.h>

ClockReading KernelClockHealth::read() const {
    timex state{};
    const int result = ::adjtimex(&state);
    if (result == -1)
        return {};
    return {true, result != TIME_ERROR && (state.status & STA_UNSYNC) == 0, state.maxerror,
            state.esterror};
}
