#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Plays the program's alarm through a PulseAudio server with a null sink, as a user hears it: a
# missed sked fires at start with a continuous alarm, which must reach the server and go on
# looping past one play of the sound, until Stop ends it. The sound module loads at that first
# sound. Run inside xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/../.."
program="$(pwd)/build/default/bin/tockmere"
for tool in pulseaudio pactl xdotool; do
    command -v "$tool" >/dev/null || { echo "sound: $tool is missing" >&2; exit 1; }
done
[ -n "${DISPLAY:-}" ] || { echo "sound: no X display; run it under xvfb-run" >&2; exit 1; }
home=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    pulseaudio --kill 2>/dev/null || true
    rm -rf "$home"
}
trap cleanup EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" TZ=UTC
mkdir -p "$XDG_CONFIG_HOME/Tockmere" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
fail() { echo "sound: FAILED: $*" >&2; exit 1; }
pulseaudio -D --exit-idle-time=-1 -n --load=module-null-sink \
    --load=module-native-protocol-unix 2>/dev/null
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null || fail "the PulseAudio server did not start"

printf '  %s    1200  missed\r\nWeeklyIncr: 0\r\nend\r\n' "$(date -u -d yesterday +%m/%d/%y)" \
    > "$home/skeds.dat"
printf '[Options]\nPlannex%%20file=%s\nSilent=FALSE\nContinuous=TRUE\nAlarmPopUp=FALSE\n' \
    "$home/skeds.dat" > "$XDG_CONFIG_HOME/Tockmere/Tockmere.ini"
streams() { pactl list short sink-inputs | wc -l; }
(cd "$home" && exec "$program") & pid=$!
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
