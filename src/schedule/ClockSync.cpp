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
// milliseconds below a second, tenths of a second above.
std::string duration(long us) {
    char text[32];
    if (us >= 1'000'000)
        std::snprintf(text, sizeof text, "%.1f s", std::round(us / 100'000.0) / 10);
    else if (us >= 10'000)
        std::snprintf(text, sizeof text, "%.0f ms", std::round(us / 1000.0));
    else
        std::snprintf(text, sizeof text, "%.1f ms", std::round(us / 100.0) / 10);
    std::string out = text;
    // "3.0 ms" reads as "3 ms".
    if (const auto zero = out.find(".0 "); zero != std::string::npos)
        out.erase(zero, 2);
    return out;
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
