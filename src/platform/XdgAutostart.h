// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include "Autostart.h"

// The freedesktop autostart entry, $XDG_CONFIG_HOME/autostart/org.tockmere.Tockmere.desktop,
// which every desktop of the freedesktop family runs at login.
class XdgAutostart final : public Autostart {
public:
    // `program` is the running program's file: the installed command is started when it is the
    // same program, otherwise this very file.
    explicit XdgAutostart(QString program);

    bool isEnabled() const override;
    QString setEnabled(bool enabled) override;
    QString path() const override;

    // The entry's text for a program started as `exec`.
    static QByteArray entry(const QString& exec);
    // A file name as the Exec key wants it: quoted where it holds a blank or another reserved
    // character, with the escapes of a quoted argument and of a desktop entry's string.
    static QString execArgument(const QString& file);

private:
    QString command() const;

    QString program_;
};
