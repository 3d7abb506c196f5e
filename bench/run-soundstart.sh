#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# How soon after its second the first alarm sound reaches the sound server, with the sound module
# loaded only then: the real program fires a sked at the start of a minute into a PulseAudio
# server with a null sink, and the server's own event stream dates the new sound stream.
#   bench/run-soundstart.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-3}"
for tool in pulseaudio pactl Xvfb; do
    command -v "$tool" >/dev/null || { echo "soundstart: $tool is missing" >&2; exit 1; }
done
scripts/build.sh default >/dev/null
program="$(pwd)/build/default/bin/tockmere"
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    pulseaudio --kill 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" TZ=UTC
mkdir -p "$XDG_CONFIG_HOME/Tockmere" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
pulseaudio -D --exit-idle-time=-1 -n --load=module-null-sink \
    --load=module-native-protocol-unix 2>/dev/null
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
Xvfb :97 -nolisten tcp 2>/dev/null & pids+=($!)
export DISPLAY=:97

for run in $(seq "$runs"); do
    # A sked at the next minute that is at least 8 s away.
    now=$(date -u +%s)
    at=$(( (now / 60 + 1) * 60 ))
    (( at - now < 8 )) && at=$((at + 60))
    printf '  %s    %s  bench\r\nWeeklyIncr: 0\r\nend\r\n' "$(date -u -d "@$at" +%m/%d/%y)" \
        "$(date -u -d "@$at" +%H%M)" > "$work/skeds.dat"
    printf '[Options]\nPlannex%%20file=%s\nSilent=FALSE\nAlarmPopUp=FALSE\n' "$work/skeds.dat" \
        > "$XDG_CONFIG_HOME/Tockmere/Tockmere.ini"
    (cd "$work" && exec "$program") & pids+=($!)
    heard=""
    while read -r line; do
        if [[ "$line" == *"'new' on sink-input"* ]]; then heard=$(date +%s%N); break; fi
    done < <(timeout $((at - now + 10)) pactl subscribe 2>/dev/null)
    kill "${pids[-1]}" 2>/dev/null || true
    wait "${pids[-1]}" 2>/dev/null || true
    [ -n "$heard" ] || { echo "soundstart: no sound stream reached the server" >&2; exit 1; }
    echo "run $run: the first alarm sound reached the server $(( (heard - at * 1000000000) / 1000000 )) ms after its second"
done
