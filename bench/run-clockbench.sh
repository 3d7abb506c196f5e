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
mkdir -p "$work/config/Tockmere" "$work/runtime"
chmod 700 "$work/runtime"
# A sked far ahead, so start-up arms it and shows no message; the offset matches this machine.
offset=$(( $(date -u +%-H) - $(date +%-H) ))
(( offset < -12 )) && offset=$(( offset + 24 ))
(( offset > 12 )) && offset=$(( offset - 24 ))
printf '  12/31/29    2359  benchmark\r\nWeeklyIncr: 0\r\nend\r\n' > "$work/skeds.dat"
printf '[Options]\nPlannex%%20file=%s\nUTC%%20offset=%s\n' "$work/skeds.dat" "$offset" \
    > "$work/config/Tockmere/Tockmere.ini"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
xvfb-run -a bash -c 'exec build/default/bin/clockbench "$(date +%s%N)" "$@"' clockbench "$@"
