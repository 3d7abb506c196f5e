#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Makes the README's pictures of the real program in a virtual X server: the main window, the
# table window and an alarm. Run from anywhere; writes docs/*.png, or with a language (de, es)
# the same pictures in that language in docs/LL/.
#   scripts/screenshots.sh [LANGUAGE]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 900x700x24" "$0" "$@"
fi
scripts/build.sh default >/dev/null
root=$(pwd)
language=${1:-}
out=docs${language:+/$language}
mkdir -p "$out"
# A window's caption in the language, from its translations file.
caption() {
    [ -z "$language" ] && { echo "$1"; return; }
    /usr/bin/python3 -c '
import sys, xml.etree.ElementTree as ET
for m in ET.parse(sys.argv[1]).getroot().iter("message"):
    if m.findtext("source") == sys.argv[2]:
        print(m.findtext("translation")); break
else:
    print(sys.argv[2])' "translations/tockmere_$language.ts" "$1"
}
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
(cd "$work" && exec env LANG="${language:+${language}_${language^^}.UTF-8}" LANGUAGE= \
    "$root/build/default/bin/tockmere") &
pid=$!
at=$(caption "Alarm at %1")
set=$(caption "Alarm Set   %1")
alarm=$(find_window "^ ${at%\%1}") # the sked missed yesterday fires at once
main=$(find_window "^${set%\%1}")
xdotool windowmove "$main" 10 10 windowmove "$alarm" 360 10
sleep 1
import -window "$main" "$out/main-window.png"
import -window "$alarm" "$out/alarm.png"
xdotool mousemove --window "$main" 58 14 click 1
page=$(caption " Schedules Page1")
skeds=$(find_window "^${page%1}")
sleep 1
import -window "$skeds" "$out/table-window.png"
echo "screenshots: $out/main-window.png $out/table-window.png $out/alarm.png"
