// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "ClockSync.h"
#include "Translation.h"

#include <cmath>
#include <cstdio>

#include <sys/timex.h>

namespace {

constexpr long kMaxTrustedErrorUs = 1'000'000;

// Microseconds in the unit that reads best: tenths of a millisecond below 10 ms, whole
// milliseconds below a second, tenths of a second above; "3.0 ms" reads as "3 ms". Written
// without the C library's locale, which the toolkit sets from the user's.
std::string duration(long us) {
    const auto tenths = [](long value, const char* unit) {
        const std::string whole = std::to_string(value / 10);
        return (value % 10 == 0 ? whole : whole + '.' + std::to_string(value % 10)) + unit;
    };
    if (us >= 1'000'000)
        return tenths(std::lround(us / 100'000.0), " s");
    if (us >= 10'000)
        return std::to_string(std::lround(us / 1000.0)) + " ms";
    return tenths(std::lround(us / 100.0), " ms");
}

} // namespace

ClockState clockState(int kernelResult, int kernelStatus, long maxErrorUs) {
    if (kernelResult == -1 || kernelResult == TIME_ERROR || (kernelStatus & STA_UNSYNC) != 0)
        return ClockState::NotSynchronised;
    return maxErrorUs > kMaxTrustedErrorUs ? ClockState::MayBeOff : ClockState::Synchronised;
}

std::string clockHealthText(ClockState state, long estErrorUs, long maxErrorUs) {
    switch (state) {
    case ClockState::Synchronised:
        return withArgs(
            translated("ClockSync", "System clock synchronised, estimated error \u00B1%1"),
            {duration(estErrorUs)});
    case ClockState::MayBeOff:
        return withArgs(translated("ClockSync", "System clock may be off by up to %1"),
                        {duration(maxErrorUs)});
    case ClockState::NotSynchronised:
        break;
    }
    return translated("ClockSync", "System clock is not synchronised");
}
