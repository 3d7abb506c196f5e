// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <string>

// Whether the system clock itself can be trusted, from what the kernel knows of the time service
// that keeps it (systemd-timesyncd, chrony, ntpd): the user of a clock that is right to the
// second needs to know when the second itself may be wrong.

enum class ClockState { Synchronised, MayBeOff, NotSynchronised };

// From one reading of the kernel's clock discipline (adjtimex): its result (-1 when it refused
// to answer, TIME_ERROR when no time service keeps the clock), its status bits (STA_UNSYNC) and
// the maximum error. Synchronised, unless the kernel could not be asked or knows of no time
// service keeping the clock; a synchronised clock whose maximum error is above a second may be
// off.
ClockState clockState(int kernelResult, int kernelStatus, long maxErrorUs);

// One short sentence for the user: "System clock synchronised, estimated error ±3 ms",
// "System clock may be off by up to 2.4 s" or "System clock is not synchronised".
std::string clockHealthText(ClockState state, long estErrorUs, long maxErrorUs);
