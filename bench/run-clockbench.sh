#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Runs the clock benchmark on the real main window in a virtual X server:
#   bench/run-clockbench.sh [seconds for the clock] [seconds for the plain timer]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh default >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source bench/settings.sh
bench_settings "$work"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
xvfb-run -a bash -c 'exec build/default/bin/clockbench "$(date +%s%N)" "$@"' clockbench "$@"
