// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "DateHelp.h"

#include "DateEntry.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QVariant>

namespace {

constexpr const char* kSlotProperty = "dateHelpSlot";

} // namespace

DateHelp::DateHelp(SkedTable& table, const Options& options, Clock& clock, QObject* parent)
    : QObject(parent), table_(table), options_(options), clock_(clock) {}

void DateHelp::watch(QObject* field, int slot) {
    field->setProperty(kSlotProperty, slot);
    field->installEventFilter(this);
}

bool DateHelp::eventFilter(QObject* watched, QEvent* event) {
    const int slot = watched->property(kSlotProperty).toInt();
    // In the clock's time base, as the skeds' dates are read: in UTC mode an evening west of
    // Greenwich is already tomorrow.
    auto today = [this] {
        return options_.shownAt(clock_.localNow()).date;
    };
    if (event->type() == QEvent::FocusIn) {
        // Focus that comes back with the window, or after a box closes, is not the user moving
        // into the field: a date they emptied must stay empty.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
            reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
            dateFocusRule(table_, slot, today());
    } else if (event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        dateClickRule(table_, slot, today());
    }
    return QObject::eventFilter(watched, event);
}
