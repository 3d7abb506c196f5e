// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

// A screen reader announces frames, dialogs and alerts as they appear, but not a plain top-level
// widget, which reaches it as a "filler". The program's plain windows are made frames, and the
// alarm window an alert, so a screen reader speaks it when an alarm shows it. Safe to call more
// than once.
void giveWindowsTheirRoles();
