#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Drives the built program in a real X server as a person would: first run, "Set Alarm", a sked
# typed one or two minutes ahead and one dated in 2030, Done, a countdown whose box stays open
# while the sked falls due, the alarm window, and a switch toggled from the menu.
# Screenshots of each step go to build/e2e/. Run inside xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/../.."
name=e2e
source tests/e2e/common.sh
need xdotool import
need_display
[ -x "$program" ] || fail "$program is not built"
shots="$(pwd)/build/e2e"
mkdir -p "$shots"
fail() { echo "e2e: FAILED: $*" >&2; import -window root "$shots/failure.png" || true; exit 1; }
shot() { import -window root "$shots/$1.png"; }

start

echo "e2e: first run shows the initial-use message"
box=$(wait_window "^ Initial use$" 15)
shot 1-initial-use
# With no window manager the keyboard goes to the window under the pointer.
xdotool mousemove --window "$box" 20 20
xdotool key Return
# The window shows "Alarm Set" until its first tick finds nothing armed and names the program.
main=$(wait_window "^(Alarm Set| Tockmere  by Ovix$)" 10)
xdotool windowmove "$main" 10 10
sleep 0.5
shot 2-main-window

echo "e2e: Set Alarm opens the table"
open_table "$main"

echo "e2e: clicking the first date field fills in today's date"
click "$table" 81 $((bar + 69))
# The alarm minute: the next one, or the one after when the next is too close.
now=$(date -u +%s)
ahead=$(( (now / 60 + 1) * 60 ))
(( ahead - now < 40 )) && ahead=$((ahead + 60))
alarm_time=$(date -u -d "@$ahead" +%H%M)
alarm_date=$(date -u -d "@$ahead" +%m/%d/%y)
today=$(date +%m/%d/%y)
typed_date="" # the date help's
[ "$alarm_date" = "$today" ] || typed_date=$alarm_date # just before midnight, tomorrow
type_sked 1 "$typed_date" "$alarm_time" "E2E sked"
# A two-digit year 30 is 2030: the sked below waits for that year and must not ring today.
type_sked 2 "01/05/30" "0000" "in 2030"
shot 3-sked-typed
press_done
sleep 0.5
grep -q "^  $alarm_date    $alarm_time  E2E sked" "$skeds" || fail "skeds.dat lacks the sked: $(cat "$skeds")"
grep -q "^  01/05/30    0000  in 2030" "$skeds" || fail "skeds.dat lacks the 2030 sked: $(cat "$skeds")"
sleep 2
if xdotool search --name "^ Alarm at " >/dev/null 2>&1; then fail "a sked rang before its time"; fi
shot 4-armed

echo "e2e: a countdown that ends before the sked; its box waits, and the clock goes on"
left=$(( ahead - $(date -u +%s) - 8 ))
((left > 0)) || fail "no time left for the countdown"
xdotool mousemove --window "$main" 250 45 click 3
sleep 0.5
for _ in $(seq 10); do xdotool key Down; done
xdotool key Return
prompt=$(wait_window "^Count Down Timer$")
xdotool mousemove --window "$prompt" 20 20 type "$left"
xdotool key Return
wait_window "^ Timer$" $((left + 10)) >/dev/null

echo "e2e: waiting for the alarm at $alarm_time"
alarm=$(wait_window "^ Alarm at " 150)
title=$(xdotool getwindowname "$alarm")
[[ "$title" =~ ^\ Alarm\ at\ ${alarm_time:0:2}:${alarm_time:2:2}:0[0-2]$ ]] || fail "alarm title '$title'"
xdotool search --name "^ Timer$" >/dev/null 2>&1 || fail "the countdown's box did not stay open"
xdotool windowmove "$alarm" 340 10
sleep 0.5
shot 5-alarm
# The countdown's box is answered; the 2030 sked, armed now, stays silent.
box=$(xdotool search --name "^ Timer$" | head -1)
xdotool mousemove --window "$box" 20 20 key Return
sleep 3
[ "$(xdotool getwindowname "$alarm")" = "$title" ] || fail "the 2030 sked rang: $(xdotool getwindowname "$alarm")"

echo "e2e: the menu toggles Silent Alarm and stores it"
click "$main" 250 40 >/dev/null # raise the main window under the pointer first
xdotool mousemove --window "$main" 250 45 click 3
sleep 0.5
shot 6-menu
for _ in 1 2 3 4 5; do xdotool key Down; done
xdotool key Return
sleep 0.5
grep -q '^Silent=FALSE' "$ini" || fail "settings lack Silent=FALSE: $(cat "$ini")"
echo "e2e: passed ($title)"
