// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "ClockHealth.h"

// The kernel's clock discipline, read with adjtimex and no modes: a read that needs no
// privileges and changes nothing.
class KernelClockHealth final : public ClockHealth {
public:
    ClockReading read() const override;
};
