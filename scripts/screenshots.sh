#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Makes the README's pictures of the real program in a virtual X server: the main window, the
# table window and an alarm. Run from anywhere; writes docs/*.png.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 900x700x24" "$0" "$@"
fi
scripts/build.sh default >/dev/null
root=$(pwd)
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" TZ=UTC
mkdir -p "$XDG_CONFIG_HOME/Tockmere" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
yesterday=$(date -u -d yesterday +%m/%d/%y)
today=$(date -u +%m/%d/%y)
next=$(date -u -d 'next week' +%m/%d/%y)
printf 'S %s    1400  W1AW bulletin\r\n  %s    2359  DL1ABC weekly sked on 14.047\r\n  %s    2330  JA1XYZ 20 m CW\r\n  %s    2330  JA1XYZ 20 m CW\r\nWeeklyIncr: 1\r\nend\r\n' \
    "$yesterday" "$yesterday" "$today" "$next" > "$work/skeds.dat"
printf '[Options]\nPlannex%%20file=%s\nSilent=TRUE\n' "$work/skeds.dat" > "$XDG_CONFIG_HOME/Tockmere/Tockmere.ini"

find_window() {
    for _ in $(seq 100); do
        xdotool search --name "$1" 2>/dev/null | head -1 && return 0
        sleep 0.1
    done
    echo "screenshots: no window named '$1'" >&2
    exit 1
}
(cd "$work" && exec "$root/build/default/bin/tockmere") &
pid=$!
alarm=$(find_window "^ Alarm at ") # the sked missed yesterday fires at once
main=$(find_window "^Alarm Set")
xdotool windowmove "$main" 10 10 windowmove "$alarm" 360 10
sleep 1
import -window "$main" docs/main-window.png
import -window "$alarm" docs/alarm.png
xdotool mousemove --window "$main" 58 14 click 1
skeds=$(find_window "Schedules")
sleep 1
import -window "$skeds" docs/table-window.png
echo "screenshots: docs/main-window.png docs/table-window.png docs/alarm.png"
