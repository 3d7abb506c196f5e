#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Plays the program's alarm through a PulseAudio server with a null sink, as a user hears it: a
# missed sked fires at start with a continuous alarm, which must reach the server and go on
# looping past one play of the sound, until Stop ends it. The sound module loads at that first
# sound. Run inside xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/../.."
name=sound
source tests/e2e/common.sh
need xdotool
need_display
sound_server

schedule "  $yesterday    1200  missed"
settings "Silent=FALSE" "Continuous=TRUE" "AlarmPopUp=FALSE"
start
for _ in $(seq 50); do [ "$(streams)" -ge 1 ] && break; sleep 0.1; done
[ "$(streams)" -ge 1 ] || fail "the alarm never reached the server"
sleep 2.5 # longer than one play of alarm.wav: still playing only if it loops
during=$(streams)
main=$(xdotool search --name "^Alarm Set|by Ovix$" | head -1)
[ -n "$main" ] || fail "no main window"
xdotool windowmove "$main" 10 10
sleep 0.3
xdotool mousemove --window "$main" 40 45 click 1 # Stop, over the alarm's date and time
sleep 3 # stop.wav is short
after=$(streams)
echo "sound: streams while looping: $during, after Stop: $after"
[ "$during" -ge 1 ] || fail "the alarm did not loop"
[ "$after" -eq 0 ] || fail "the loop went on after Stop"
echo "sound: passed"
