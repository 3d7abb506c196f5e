#!/usr/bin/env bash
# Plays the default sounds through the program's real sound service into a PulseAudio server
# with a null sink, and checks that the looping alarm reaches the server and that the next
# sound ends the loop.
set -euo pipefail
cd "$(dirname "$0")/../.."
bin="$(pwd)/build/default/bin"
for tool in pulseaudio pactl; do
    command -v "$tool" >/dev/null || { echo "sound: $tool is missing" >&2; exit 1; }
done
[ -x "$bin/soundprobe" ] || { echo "sound: $bin/soundprobe is not built" >&2; exit 1; }

export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
out="$XDG_RUNTIME_DIR/probe.out"
cleanup() { pulseaudio --kill 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"; }
trap cleanup EXIT
pulseaudio -D --exit-idle-time=-1 -n --load=module-null-sink \
    --load=module-native-protocol-unix 2>/dev/null
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null || { echo "sound: the PulseAudio server did not start" >&2; exit 1; }

streams() { pactl list short sink-inputs | wc -l; }
wait_for() { # line printed by the probe
    for _ in $(seq 100); do grep -qx "$1" "$out" 2>/dev/null && return 0; sleep 0.1; done
    echo "sound: FAILED: the probe never printed '$1'" >&2
    exit 1
}

"$bin/soundprobe" "$bin" > "$out" &
probe=$!
wait_for looping # 2.5 s in: one play of alarm.wav would be over by now
during=$(streams)
wait_for end # 3 s after stop.wav replaced the loop
after=$(streams)
wait "$probe"
echo "sound: streams while looping: $during, after the stop sound: $after"
[ "$during" -ge 1 ] || { echo "sound: FAILED: the looping alarm never reached the server" >&2; exit 1; }
[ "$after" -eq 0 ] || { echo "sound: FAILED: the loop went on after the stop sound" >&2; exit 1; }
echo "sound: passed"
