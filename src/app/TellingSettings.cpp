// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "TellingSettings.h"

#include <QCoreApplication>

QString TellingSettings::read(const QString& application, const QString& section,
                              const QString& key, const QString& fallback) const {
    return store_.read(application, section, key, fallback);
}

bool TellingSettings::save(const QString& application, const QString& section, const QString& key,
                           const QString& text) {
    if (store_.save(application, section, key, text))
        return true;
    if (!told_ && !quiet_) {
        told_ = true;
        // A report only: the clock's own storing of a followed offset must not wait on it.
        //: %1 is the path of the settings file. Keep the line breaks.
        dialogs_.tell(QCoreApplication::translate(
                          "TellingSettings",
                          "Tockmere could not store its settings in\r\n%1\r\n\r\n"
                          "Options, window places and the schedule path changed in this run will "
                          "be lost when it ends. Tockmere tells you once.")
                          .arg(store_.location(application)),
                      //: A window caption: the leading blank is part of the caption.
                      QCoreApplication::translate("TellingSettings", " Settings not saved"));
    }
    return false;
}

QString TellingSettings::location(const QString& application) const {
    return store_.location(application);
}
