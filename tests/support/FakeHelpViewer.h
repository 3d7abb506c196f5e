// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "HelpViewer.h"

#include <QStringList>

// Records every document asked for and answers with a scripted result.
class FakeHelpViewer final : public HelpViewer {
public:
    bool showContents(const QString& path) override {
        shown.append(path);
        return found;
    }

    QStringList shown;
    bool found = true;
};
