// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QString>

// Shows the program's help document in a window of its own, without waiting for the user.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Opens the document at its contents; false when it cannot be read.
    virtual bool showContents(const QString& path) = 0;
};
