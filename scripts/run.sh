#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Installs what is missing for building and running (no test tools), builds and starts the clock.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
scripts/build.sh default
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found (DISPLAY is not set): run 'xvfb-run -a scripts/run.sh' on a machine without one." >&2
    exit 1
fi
exec build/default/bin/tockmere
