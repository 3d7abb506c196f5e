#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Measures the real program beside the smallest Qt clock (bench/minimalclock.cpp) and, when it is
# installed, xclock, one after another in one virtual X server:
#   bench/run-sidebyside.sh [seconds each program idles; default 60]
# For each: start-up from launch to its window being mapped, then, while it idles, the CPU time of
# all its threads, their context switches (each a wake-up) and at the end its resident memory.
# Last, bench/clockbench times how soon after each true second the main window shows it; it runs
# after the idle measurements so that it does not disturb them.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
[[ "$seconds" =~ ^[0-9]+$ ]] && ((seconds >= 10)) || {
    echo "usage: $0 [seconds, at least 10]" >&2
    exit 2
}
settle=2   # seconds after the window is mapped before counting, as clockbench does
launches=5 # start-ups timed per program

for tool in Xvfb xauth xev xprop stdbuf mcookie; do
    command -v "$tool" >/dev/null || {
        echo "sidebyside: $tool is missing (scripts/deps.sh installs it)" >&2
        exit 1
    }
done

work=$(mktemp -d)
pids=() # everything this script starts, ended on exit
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
forget() { # pid
    local pid kept=()
    for pid in "${pids[@]}"; do [ "$pid" = "$1" ] || kept+=("$pid"); done
    pids=("${kept[@]}")
}
# A sleep that a signal cuts short: bash runs a trap only once the foreground command is over.
nap() { # seconds
    sleep "$1" &
    pids+=($!)
    wait $!
    forget $!
}
fail() {
    echo "sidebyside: $*" >&2
    exit 1
}

scripts/build.sh default >"$work/build.log" 2>&1 || {
    cat "$work/build.log" >&2
    fail "the build failed"
}
bin="$(pwd)/build/default/bin"

# The same fresh settings for every program.
source bench/settings.sh
bench_settings "$work"
mkdir -p "$work/home"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM AT_SPI_BUS_ADDRESS
# No session bus, the same for every program. Without any address, libdbus would start a bus
# through dbus-launch for this X display (where dbus-x11 is installed): a daemon that outlives
# the program that started it, and a fork in every later start.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"

# One X server for all, on a display number it picks itself (no race with other servers), open
# only to holders of a fresh cookie.
touch "$work/server.auth" "$work/client.auth"
xauth -q -f "$work/server.auth" add :0 MIT-MAGIC-COOKIE-1 "$(mcookie)"
Xvfb -displayfd 3 -auth "$work/server.auth" -nolisten tcp -screen 0 1280x1024x24 \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || {
    cat "$work/xvfb.log" >&2
    fail "Xvfb did not start"
}
export DISPLAY=":$(head -n1 "$work/display")" XAUTHORITY="$work/client.auth"
xauth -q -f "$work/client.auth" add "$DISPLAY" MIT-MAGIC-COOKIE-1 \
    "$(xauth -f "$work/server.auth" list | awk '{ print $3; exit }')"

# Start-up ends when the window is mapped. The moment is taken from the X server's own MapNotify
# event, which xev, listening on the root window, prints as it arrives; each line is stamped on
# arrival. No window manager runs, so every top-level window maps straight away and is a child
# of the root. Polling for the window (xdotool search --sync, xwininfo) would only see it at the
# next poll.
stdbuf -oL xev -root -event substructure -event property \
    > >(while IFS= read -r line; do echo "$EPOCHREALTIME $line"; done >"$work/events") \
    2>"$work/xev.log" &
pids+=($!)
# Ready once a property set on the root window comes back through it.
for _ in $(seq 100); do
    xprop -root -format TOCKMERE_BENCH 8s -set TOCKMERE_BENCH ready
    sleep 0.1
    grep -q PropertyNotify "$work/events" 2>/dev/null && break
done
grep -q PropertyNotify "$work/events" 2>/dev/null || fail "xev did not start listening"

# The first window that is not override-redirect mapped after the launch, and not another
# process's (_NET_WM_PID, where the program sets it). Prints "<seconds since the epoch> <id>".
mappedWindow() { # pid, launch time
    local time window owner
    while read -r time window; do
        owner=$(xprop -id "$window" _NET_WM_PID 2>/dev/null | awk '/= / { print $3 }')
        [ -z "$owner" ] || [ "$owner" = "$1" ] || continue
        echo "$time $window"
        return 0
    done < <(awk -v after="$2" '
        $2 == "MapNotify" { map = 1; next }
        map && /override/ {
            map = 0
            if (/override NO/ && $1 > after) { sub(",", "", $5); print $1, $5 }
        }' "$work/events")
    return 1
}

# One line per thread: id, run time in ns (schedstat's first field), voluntary plus involuntary
# context switches, name.
threads() { # pid
    local task run switches key value rest
    for task in /proc/"$1"/task/*; do
        read -r run rest 2>/dev/null <"$task/schedstat" || continue
        switches=0
        while read -r key value rest; do
            [[ "$key" == *ctxt_switches: ]] && switches=$((switches + value))
        done 2>/dev/null <"$task/status" || continue
        echo "${task##*/} $run $switches $(<"$task/comm")"
    done
}

# Starts a program and waits for its window; sets started (its pid), startupMs and window.
startProgram() { # label, command...
    local label="$1" launch mapped=""
    shift
    launch=$EPOCHREALTIME
    "$@" >"$work/program.log" 2>&1 &
    started=$!
    pids+=("$started")
    for _ in $(seq 300); do
        mapped=$(mappedWindow "$started" "$launch") && break
        kill -0 "$started" 2>/dev/null || {
            cat "$work/program.log" >&2
            fail "$label ended before showing a window"
        }
        sleep 0.1
    done
    [ -n "$mapped" ] || fail "$label showed no window within 30 s"
    window=${mapped#* }
    startupMs=$(awk -v a="$launch" -v b="${mapped%% *}" 'BEGIN { printf "%.0f", (b - a) * 1000 }')
}

# Ends a program this script started; once reaped, its pid may belong to someone else.
stopProgram() { # pid
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
    forget "$1"
}

rows=()
threadReport=""
measure() { # label, command...
    local label="$1" pid i start end startup startups="" rss
    # Start-up is the median of several launches after one that only fills the file cache; the
    # last launch stays up to be measured idling.
    startProgram "$@"
    stopProgram "$started"
    for ((i = 1; i <= launches; ++i)); do
        startProgram "$@"
        startups+="$startupMs "
        ((i == launches)) || stopProgram "$started"
    done
    pid=$started
    startup=$(tr ' ' '\n' <<<"$startups" | sort -n |
        awk 'NF { v[++n] = $1 } END { print v[int((n + 1) / 2)] }')

    nap "$settle"
    start=$EPOCHREALTIME
    threads "$pid" >"$work/before"
    nap "$seconds"
    threads "$pid" >"$work/after"
    end=$EPOCHREALTIME
    kill -0 "$pid" 2>/dev/null || fail "$label ended while idling"
    rss=$(awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
    stopProgram "$pid"

    # Threads born while idling count from zero; one that ends before the last reading is missing
    # from the sums and from the per-thread list.
    local summary
    summary=$(awk -v span="$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')" '
        NR == FNR { run[$1] = $2; sw[$1] = $3; next }
        {
            name = $4; for (i = 5; i <= NF; ++i) name = name " " $i
            dr = $2 - run[$1]; ds = $3 - sw[$1]
            cpu += dr; wake += ds
            lines = lines sprintf("      %-20s %7d  %8.1f ms/min  %6.2f wake-ups/s\n",
                                  name, $1, dr / 1e6 * 60 / span, ds / span)
        }
        END { printf "%.1f %.2f\n%s", cpu / 1e6 * 60 / span, wake / span, lines }
    ' "$work/before" "$work/after")
    rows+=("$label|$(head -n1 <<<"$summary")|$rss|$startup")
    threadReport+="  $label (window $window; start-ups ${startups% } ms):"$'\n'
    threadReport+="$(tail -n +2 <<<"$summary")"$'\n'
}

echo "each program idles ${seconds} s; $(nproc) cores, load average before:" \
    "$(cut -d' ' -f1-3 /proc/loadavg)"
measure "Tockmere's main window" "$bin/tockmere"
measure "minimal Qt 6 clock (one QLabel, one precise timer, no shared memory)" "$bin/minimalclock"
if command -v xclock >/dev/null; then
    measure "xclock -digital -update 1" xclock -digital -update 1
else
    echo "(xclock is not installed, so it is left out: apt-get install x11-apps)"
fi

# The display delays, timed inside the real main window; the plain-timer comparison that
# clockbench adds runs for its shortest time, as nothing here reports it.
launch=$(date +%s%N)
"$bin/clockbench" "$launch" "$seconds" 10 >"$work/clockbench.out" 2>"$work/clockbench.log" &
clockbench=$!
pids+=("$clockbench")
status=0
wait "$clockbench" || status=$?
forget "$clockbench"
((status == 0)) || {
    cat "$work/clockbench.log" >&2
    fail "clockbench failed"
}
delays=$(awk '/aimed precise ticks/ {
    printf "median %s ms, p99 %s ms, max %s ms over %s seconds", $5, $7, $9, substr($10, 2) }' \
    "$work/clockbench.out")
[ -n "$delays" ] || {
    cat "$work/clockbench.out" >&2
    fail "no display delays in clockbench's output"
}
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

echo
echo "| program | CPU ms per minute | wake-ups per second | resident MB | start-up ms |"
echo "|---|---:|---:|---:|---:|"
for row in "${rows[@]}"; do
    IFS='|' read -r label figures rss startup <<<"$row"
    read -r cpu wake <<<"$figures"
    echo "| $label | $cpu | $wake | $rss | $startup |"
done
echo
echo "Against the minimal Qt 6 clock:"
IFS='|' read -r _ baseFigures baseRss baseStartup <<<"${rows[1]}"
for row in "${rows[0]}" "${rows[@]:2}"; do
    IFS='|' read -r label figures rss startup <<<"$row"
    awk -v label="$label" -v cpu="${figures%% *}" -v base="${baseFigures%% *}" \
        -v startup="$startup" -v baseStartup="$baseStartup" -v rss="$rss" -v baseRss="$baseRss" '
        function ratio(a, b) { return b > 0 ? sprintf("%.2f", a / b) : "n/a" }
        BEGIN { printf "  %-26s CPU ratio %s, start-up ratio %s, resident %+.1f MB\n",
                       label, ratio(cpu, base), ratio(startup, baseStartup), rss - baseRss }'
done
echo
echo "Tockmere's display delay after each true second (clockbench): $delays"
echo
echo "Threads while idling (run time and context switches per thread):"
printf '%s' "$threadReport"
