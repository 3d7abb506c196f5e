#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# The real program in real zones of the time-zone database, its clock set by libfaketime to a
# few seconds before an instant that matters: a change of daylight saving time in Chicago both
# ways, Kolkata's half hour, and the half- and quarter-hour zones of the south across their
# change. Each run stores the UTC offset the zone has at the start, so nothing is asked, and a
# sked at the UTC minute of the instant. Then, in the middle of every second, the clock is read
# through AT-SPI as a screen reader reads it and must show the true UTC second, before the
# change and from the very first second after it; the sked must ring on its second, its window
# named after it. Run inside xvfb-run; it starts its own session bus.
#
# libfaketime shifts the program's wall clock by a whole number of seconds (FAKETIME=+N), so
# this script knows the program's true UTC second from its own clock: that second plus N. It
# also turns the absolute expiry of the clock's timerfd back to the machine's clock, so the tick
# comes on the program's seconds as it would on a real machine; the processor time the program
# uses while it is watched tells a tick that spins from one that sleeps.
set -euo pipefail
cd "$(dirname "$0")/../.."
name=timezones own_bus=1

# label | zone | instant (UTC) | UTC offset stored before it | the zone's offset before | after
scenarios=(
    "Chicago springs forward|America/Chicago|2027-03-14 08:00:00|6|-0600|-0500"
    "Chicago falls back|America/Chicago|2027-11-07 07:00:00|5|-0500|-0600"
    # No change here; at this instant the local hour turns (09:59:59 to 10:00:00 IST) while the
    # UTC hour stays, so an offset worked out from whole hours shows itself.
    "Kolkata's half hour|Asia/Kolkata|2027-01-15 04:30:00|-5.5|+0530|+0530"
    "Adelaide leaves summer time|Australia/Adelaide|2027-04-03 16:30:00|-10.5|+1030|+0930"
    # Beyond 12 hours and on a quarter hour, local date a day ahead of UTC's.
    "Chatham leaves summer time|Pacific/Chatham|2027-04-03 14:00:00|-13.75|+1345|+1245"
)
lead=9   # seconds from the program's start to the instant: up and read before it comes
after=7  # seconds watched after it

# One scenario, in a process of its own so that its home, its program and its failure end with it.
if [ "${1:-}" = one ]; then
    source tests/e2e/common.sh
    IFS='|' read -r label zone instant stored offset_before offset_after <<<"$2"
    faketime_lib=$3
    at=$(date -u -d "$instant UTC" +%s)
    utc() { date -u -d "@$1" +%T; }
    zone_offset() { TZ=$zone date -d "@$1" +%z; }
    # What the test means rests on this machine's time-zone database having the change where
    # the table says, and on the stored offset being the zone's own at the start.
    if [ "$(zone_offset $((at - 1)))" != "$offset_before" ] || [ "$(zone_offset "$at")" != "$offset_after" ]; then
        fail "$label: the time-zone database has $zone at $(zone_offset $((at - 1))) then" \
            "$(zone_offset "$at") around $instant UTC, not $offset_before then $offset_after"
    fi
    hours=$(zone_offset $((at - lead)) | awk '{ h = substr($0, 2, 2) + substr($0, 4, 2) / 60; print substr($0, 1, 1) == "+" ? -h : h }')
    [ "$hours" = "$stored" ] || fail "$label: $zone keeps $hours hours to UTC at the start, not $stored"

    schedule "  $(date -u -d "@$at" +%m/%d/%y)    $(date -u -d "@$at" +%H%M)  $label" \
        "  $far_ahead    2359  far ahead"
    settings "UTC%20offset=$stored"
    echo "timezones: $label: TZ=$zone, UTC offset $stored stored, $offset_before -> $offset_after at $instant UTC"
    ahead=$((at - lead - $(date +%s)))
    # Only the wall clock moves: Qt's own timers and the event loop keep the monotonic one.
    (cd "$home" && exec env TZ="$zone" LD_PRELOAD="$faketime_lib" FAKETIME="$(printf '%+d' "$ahead")" \
        FAKETIME_DONT_FAKE_MONOTONIC=1 "$program") &
    pid=$!
    pids+=("$pid")
    seen="$home/seen"
    read_status=0
    /usr/bin/python3 tests/e2e/atspi-clock.py "$pid" "$ahead" $((at + after)) >"$seen" || read_status=$?

    about="TZ=$zone, UTC offset $stored stored, the zone at $offset_before until $(utc "$at") UTC and $offset_after from then"
    [ "$offset_before" != "$offset_after" ] || about="TZ=$zone, UTC offset $stored stored, the zone at $offset_before"
    readings=0 read_seconds=" " alarm=""
    while IFS=$'\t' read -r kind first second third; do
        case "$kind" in
        clock)
            # Read in the middle of a second of the program's clock, so the right answer is that
            # second; the next one only if the read itself took until then.
            if ((first >= at - 3 && first <= at + 3)) || [ "$third" != "$(utc "$first")" ]; then
                echo "  clock $third / true $(utc "$first")"
            fi
            [ "$third" = "$(utc "$first")" ] || [ "$third" = "$(utc "$second")" ] ||
                fail "$label: at $(utc "$first") UTC the clock showed '$third' ($about)"
            readings=$((readings + 1))
            read_seconds+="$first $second "
            ;;
        window)
            case "$second" in
            " Alarm at "*)
                echo "  '$second' came up at $(utc "$first")"
                ((first >= at)) || fail "$label: the sked of $(utc "$at") UTC rang at $(utc "$first") ($about)"
                # Seen in the middle of its second, or of the next one when AT-SPI was slow to
                # hear of the new window; its name tells the second it rang.
                ((first <= at + 1)) || fail "$label: the sked of $(utc "$at") UTC rang only at $(utc "$first") ($about)"
                [ "$second" = " Alarm at $(utc "$at")" ] ||
                    fail "$label: the sked of $(utc "$at") UTC rang as '$second' ($about)"
                alarm=yes
                ;;
            *) fail "$label: a window '$second' came up at $(utc "$first") UTC, saying: $third ($about)" ;;
            esac
            ;;
        cpu)
            echo "  the program used ${first} s of processor in ${second} s"
            # A sleeping tick costs a percent or two; one whose expiry the kernel sees in the
            # past fires without end.
            awk -v busy="$first" -v span="$second" 'BEGIN { exit !(busy < 0.2 * span) }' ||
                fail "$label: the program used ${first} s of processor in ${second} s: its tick spins"
            ;;
        esac
    done <"$seen"
    ((read_status == 0)) || fail "$label: the clock could not be read through AT-SPI ($about)"
    for s in $((at - 1)) "$at" $((at + 1)); do
        [[ "$read_seconds" == *" $s "* ]] || fail "$label: no reading of the clock in the second $(utc "$s") UTC"
    done
    ((readings >= lead + after - 3)) || fail "$label: only $readings readings of the clock"
    [ -n "$alarm" ] || fail "$label: the sked of $(utc "$at") UTC did not ring ($about)"
    kill -0 "$pid" 2>/dev/null || fail "$label: the program ended"
    exit 0
fi

source tests/e2e/common.sh
need_display
faketime_lib=$(dpkg -L libfaketime 2>/dev/null | grep '/libfaketime\.so\.1$' | head -1 || true)
[ -n "$faketime_lib" ] || fail "libfaketime is missing"
atspi_bus

# Every scenario runs, so one failure does not hide what the others would say.
failed=()
for scenario in "${scenarios[@]}"; do
    tests/e2e/run-timezones.sh one "$scenario" "$faketime_lib" || failed+=("${scenario%%|*}")
done
list=$(printf '%s, ' "${failed[@]}")
((${#failed[@]} == 0)) || fail "${#failed[@]} of ${#scenarios[@]} scenarios: ${list%, }"
echo "timezones: passed"
