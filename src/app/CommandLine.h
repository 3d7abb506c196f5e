// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <QStringList>

#include <optional>

// What the command line asks, read before any display is needed: `tockmere [--help] [--version]
// [FILE]`.
struct CommandLine {
    // Set when the program has answered and ends: 0 for --help and --version, 2 for a wrong
    // command line.
    std::optional<int> exitStatus;
    QString output;   // for the terminal's standard output
    QString error;    // one line for its standard error
    QString skedFile; // the schedule file to start with, made absolute; empty for the stored one
};

CommandLine readCommandLine(const QStringList& arguments, const QString& version);
