// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Clock.h"
#include "Options.h"
#include "SkedTable.h"

#include <QObject>

// The date help of the table's date fields: a field the user moves into, or clicks, offers the
// date the skeds need (today in the clock's time base, or the one of the row above). Watches
// the fields it is given.
class DateHelp final : public QObject {
    Q_OBJECT

public:
    DateHelp(SkedTable& table, const Options& options, Clock& clock, QObject* parent);

    // Watches the date field of `slot`.
    void watch(QObject* field, int slot);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SkedTable& table_;
    const Options& options_;
    Clock& clock_;
};
