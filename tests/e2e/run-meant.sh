#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# The real program in three cases where it once did other than what it means, each case in a home
# of its own:
#  a. an evening in Los Angeles in UTC mode, when UTC is already tomorrow: the date help in the
#     table window must give the UTC date, so a sked typed for a minute ahead waits for its
#     minute instead of ringing at once as one dated yesterday would;
#  b. a time half typed into the table (one digit of a sked's time, which alone would read as a
#     time long past) must neither ring nor be saved while the field is still being typed in;
#  c. the schedule of a first start from one folder is the schedule of every later start, from
#     whichever folder: its path is stored whole.
# Run inside xvfb-run; it starts its own session bus and reads the windows through AT-SPI, as a
# screen reader does.
set -euo pipefail
cd "$(dirname "$0")/../.."
name=meant own_bus=1

# Starts the program from a folder, with more of the environment when given; sets `pid`.
launch() { # folder, NAME=value...
    local folder=$1
    shift
    (cd "$folder" && exec env "$@" "$program") &
    pid=$!
    pids+=("$pid")
}
# What a table field shows, read through AT-SPI by its accessible name ("Sked 1 time").
field_text() { # accessible name
    /usr/bin/python3 - "$1" <<'EOF'
import sys
sys.path.insert(0, "tests/e2e")
from tockmere_atspi import controls, windows
for window in windows():
    if window.name.startswith(" Schedules"):
        for control in controls(window):
            if control.name == sys.argv[1]:
                print(control.queryText().getText(0, -1))
                sys.exit(0)
sys.exit(1)
EOF
}
# The program's clock under libfaketime: this machine's, `ahead` seconds on.
ahead=0
program_now() { echo $(($(date +%s) + ahead)); }
read_control() { /usr/bin/python3 tests/e2e/atspi-read.py "$1" "$2"; }
rang() { xdotool search --name "^ Alarm at " >/dev/null 2>&1; }

utc_evening() {
    # 23:03:30 in Los Angeles on a winter evening is 07:03:30 UTC the next day; the program
    # starts there, so a sked a minute or so ahead is still that evening by the local clock.
    local zone=America/Los_Angeles faketime_lib=$1
    local start
    start=$(TZ=$zone date -d "2027-01-14 23:03:30" +%s)
    [ "$(TZ=$zone date -d "@$start" +%z)" = "-0800" ] ||
        fail "a: the time-zone database does not have $zone at -0800 on 2027-01-14"
    local utc_date local_date
    utc_date=$(date -u -d "@$start" +%m/%d/%y)
    local_date=$(TZ=$zone date -d "@$start" +%m/%d/%y)
    schedule
    settings "Use%20UTC=TRUE" "UTC%20offset=8" "AlarmPopUp=TRUE" "Silent=TRUE"
    ahead=$((start - $(date +%s)))
    # Only the wall clock moves: Qt's own timers and the event loop keep the monotonic one.
    launch "$home" TZ="$zone" LD_PRELOAD="$faketime_lib" FAKETIME="$(printf '%+d' "$ahead")" \
        FAKETIME_DONT_FAKE_MONOTONIC=1
    local main
    main=$(wait_window "^(Alarm Set| Tockmere )")
    open_table "$main"
    click "$table" 81 $((bar + 69))
    local shown
    shown=$(field_text "Sked 1 date") || fail "a: sked 1's date field cannot be read"
    [ "$shown" = "$utc_date" ] || {
        [ "$shown" = "$local_date" ] && fail "a: the date help gave the local date $shown, not the UTC date $utc_date"
        fail "a: the date help gave '$shown', not the UTC date $utc_date"
    }
    # The first whole minute at least 10 s off: time to type, press Done and look 3 s.
    local minute
    minute=$((($(program_now) + 10 + 59) / 60 * 60))
    local hhmm
    hhmm=$(date -u -d "@$minute" +%H%M)
    type_sked 1 "" "$hhmm" "evening sked"
    press_done
    sleep 3
    (($(program_now) < minute)) || fail "a: too slow: the sked's minute came before the 3 s check ended"
    if rang; then fail "a: the sked of $hhmm UTC on $shown rang at once, at $(date -u -d "@$(program_now)" +%T) UTC"; fi
    grep -q "^  $utc_date    $hhmm  evening sked" "$skeds" || fail "a: the schedule file lacks the sked: $(cat "$skeds")"
    local deadline=$((SECONDS + minute - $(program_now) + 5)) seen=""
    until rang; do
        ((SECONDS < deadline)) || fail "a: the sked of $hhmm UTC did not ring by $(date -u -d "@$((minute + 5))" +%T) UTC"
        sleep 0.1
    done
    seen=$(program_now)
    local title wanted
    title=$(xdotool getwindowname "$(xdotool search --name "^ Alarm at " | head -1)")
    wanted=" Alarm at $(date -u -d "@$minute" +%T)"
    ((seen >= minute)) || fail "a: '$title' came at $(date -u -d "@$seen" +%T) UTC, before its minute"
    ((seen <= minute + 1)) || fail "a: '$title' came only at $(date -u -d "@$seen" +%T) UTC"
    [ "$title" = "$wanted" ] || fail "a: the alarm window is '$title', not '$wanted'"
    echo "meant: a: at 23:03 in Los Angeles (UTC mode, offset 8) the date help gave $shown (local $local_date);" \
        "no alarm 3 s after Done; '$title' came at $(date -u -d "@$seen" +%T) UTC"
}

half_typed() {
    # The program at noon UTC, its first sked at 23:59 that day: typed over with "2", the time
    # would read as 00:02, long past, and ring at the next tick if it reached the table.
    local faketime_lib=$1 noon
    noon=$(date -u -d "2027-03-10 12:00:00 UTC" +%s)
    schedule "  03/10/27    2359  later today" "  $far_ahead    2359  far ahead"
    settings "Use%20UTC=TRUE" "UTC%20offset=0" "AlarmPopUp=TRUE" "Silent=TRUE"
    ahead=$((noon - $(date +%s)))
    launch "$home" LD_PRELOAD="$faketime_lib" FAKETIME="$(printf '%+d' "$ahead")" \
        FAKETIME_DONT_FAKE_MONOTONIC=1
    local main
    main=$(wait_window "^Alarm Set")
    cp "$skeds" "$home/skeds.kept"
    open_table "$main"
    click "$table" 157 $((bar + 69))
    xdotool key ctrl+a
    xdotool type "2"
    local shown
    shown=$(field_text "Sked 1 time") || fail "b: sked 1's time field cannot be read"
    [ "$shown" = "2" ] || fail "b: sked 1's time field shows '$shown' after '2' was typed over it"
    # Two ticks of the clock, each of which tests the armed sked.
    sleep 2
    if rang; then fail "b: the half-typed time 2 rang: $(xdotool getwindowname "$(xdotool search --name "^ Alarm at " | head -1)")"; fi
    cmp -s "$skeds" "$home/skeds.kept" || fail "b: the half-typed time reached the file: $(cat "$skeds")"
    local armed
    armed=$(read_control "Alarm Set" "Time of the next sked") || fail "b: the next sked cannot be read"
    [ "$armed" = "23:59" ] || fail "b: with '2' half typed the next sked is at '$armed', not 23:59"
    echo "meant: b: at $(date -u -d "@$(program_now)" +%T) UTC sked 1's time (2359 that day) typed over with '2'" \
        "and left 2 s in its field: no alarm, the file unchanged, the next sked still at $armed"
}

two_folders() {
    local a b
    mkdir -p "$home/A" "$home/B"
    # The folder as the program sees it, links resolved.
    a=$(cd "$home/A" && pwd -P)
    b=$(cd "$home/B" && pwd -P)
    printf '%s\n' '[Options]' 'AlarmPopUp=TRUE' 'Silent=TRUE' >"$ini"
    launch "$a"
    local box main
    box=$(wait_window "^ Initial use$")
    xdotool mousemove --window "$box" 20 20 key Return
    main=$(wait_window "^(Alarm Set| Tockmere )")
    open_table "$main"
    type_sked 1 "$far_ahead" "2359" "kept in A"
    press_done
    for _ in $(seq 30); do [ -f "$a/skeds.dat" ] && break; sleep 0.1; done
    grep -q "^  $far_ahead    2359  kept in A" "$a/skeds.dat" 2>/dev/null ||
        fail "c: Done did not write the sked to $a/skeds.dat"
    /usr/bin/python3 tests/e2e/wmclose.py "$main"
    wait_exit "$pid" 10
    local stored
    stored=$(setting "Plannex%20file")
    [ "$stored" = "$a/skeds.dat" ] || fail "c: the settings hold the schedule path '$stored', not '$a/skeds.dat'"

    launch "$b"
    local first
    first=$(wait_window "^(Alarm Set| Tockmere | Initial use$)")
    sleep 1
    if xdotool search --name "^ Initial use$" >/dev/null 2>&1; then
        fail "c: started from B, the program showed ' Initial use' ('$(xdotool getwindowname "$first")' first)"
    fi
    wait_window "^Alarm Set" 5 >/dev/null
    local date time message
    date=$(read_control "Alarm Set" "Date of the next sked") || fail "c: the next sked cannot be read"
    time=$(read_control "Alarm Set" "Time of the next sked") || fail "c: the next sked's time cannot be read"
    message=$(read_control "Alarm Set" "Message of the next sked") || fail "c: the next sked's message cannot be read"
    [ "$date $time $message" = "$far_ahead 23:59 kept in A" ] ||
        fail "c: started from B, the next sked is '$date $time $message', not the one kept in A"
    [ ! -e "$b/skeds.dat" ] || fail "c: started from B, the program made $b/skeds.dat"
    echo "meant: c: path stored as $stored; started from B, no ' Initial use', next sked $date $time '$message'"
}

# One case, in a process of its own so that its home, its program and its failure end with it.
if [ "${1:-}" = one ]; then
    source tests/e2e/common.sh
    case "$2" in
    a) utc_evening "$3" ;;
    b) half_typed "$3" ;;
    c) two_folders ;;
    esac
    exit 0
fi

source tests/e2e/common.sh
need xdotool /usr/bin/python3
need_display
[ -x "$program" ] || fail "$program is not built"
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || fail "python3-xlib is missing"
faketime_lib=$(dpkg -L libfaketime 2>/dev/null | grep '/libfaketime\.so\.1$' | head -1 || true)
[ -n "$faketime_lib" ] || fail "libfaketime is missing"
atspi_bus

# Every case runs, so one failure does not hide what the others would say.
failed=()
for case in a b c; do
    tests/e2e/run-meant.sh one "$case" "$faketime_lib" || failed+=("$case")
done
((${#failed[@]} == 0)) || fail "case ${failed[*]}"
echo "meant: passed"
