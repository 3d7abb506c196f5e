// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "HelpViewer.h"

#include <QPointer>

class QTextBrowser;

// The help document in a text browser window: not modal, so the windows behind it go on taking
// input, and kept for the next request once the user has closed it.
class QtHelpViewer final : public HelpViewer {
public:
    QtHelpViewer() = default;
    ~QtHelpViewer() override;
    QtHelpViewer(const QtHelpViewer&) = delete;
    QtHelpViewer& operator=(const QtHelpViewer&) = delete;

    bool showContents(const QString& path) override;

    // The viewer window once it has been shown, for tests of this adapter.
    QTextBrowser* browser() const;

private:
    QPointer<QTextBrowser> browser_;
};
