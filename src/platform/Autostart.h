// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QString>

// Whether the desktop starts the program when the user's session starts. The entry itself is
// the switch: removed by hand, or through the desktop's own start-up settings, it is off.
class Autostart {
public:
    virtual ~Autostart() = default;
    virtual bool isEnabled() const = 0;
    // Writes or removes the entry: empty when done, otherwise why it failed.
    virtual QString setEnabled(bool enabled) = 0;
    // Where the entry is, for telling the user.
    virtual QString path() const = 0;
};
