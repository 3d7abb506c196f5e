#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Before a sked and after it, as a desktop's notification server (dunst, on a session bus of
# this script's own) receives them:
#   a. under a clock faked by libfaketime and stepped as a suspend steps it, a sked 3 minutes
#      ahead with "Remind minutes=2" gives one reminder, of normal urgency, at its minute, and
#      one alarm at its own; the clock then stepped an hour forward over a second sked rings it
#      once, told late, and its reminder, slept through, never comes;
#   b. a start with a sked missed an hour ago rings it with "1 h 0 min late" in the alarm window
#      (as a screen reader hears it) and at the end of its notification.
# Run inside xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/../.."
name=late own_bus=1
source tests/e2e/common.sh
need xdotool
need_display
faketime_lib=$(dpkg -L libfaketime 2>/dev/null | grep '/libfaketime\.so\.1$' | head -1 || true)
[ -n "$faketime_lib" ] || fail "libfaketime is missing"
notification_server
atspi_bus

# The program's clock is this machine's plus the offset in this file, read again each second.
offset_file="$home/faketime"
step_to() { # the program's clock set to this second
    echo "$(printf '%+d' $(($1 - $(date +%s))))" >"$offset_file.new"
    mv "$offset_file.new" "$offset_file"
}
told() { # waits for one notification on the screen, closes it and prints "URGENCY<tab>SUMMARY
    # <tab>BODY" as the server recorded it; the notifications before it are closed already
    wait_displayed 1
    sleep 1 # a second one would have come by now
    [ "$(displayed)" -eq 1 ] || fail "$(displayed) notifications on the screen, not 1"
    dunstctl close-all
    history | tail -1 | cut -f3-
}

echo "late: a. a reminder at its minute, the alarm at its own, a step over a sked"
# The sked on a whole minute, some minutes from the true now.
sked=$(( ($(date +%s) / 60 + 10) * 60 ))
later=$((sked + 1800))
hhmm() { date -u -d "@$1" +%H%M; }
schedule "  $(date -u -d "@$sked" +%m/%d/%y)    $(hhmm "$sked")  net on 7.074" \
    "  $(date -u -d "@$later" +%m/%d/%y)    $(hhmm "$later")  second net"
settings "Remind%20minutes=2" "AlarmPopUp=FALSE"
step_to $((sked - 180))
(cd "$home" && exec env LD_PRELOAD="$faketime_lib" FAKETIME_TIMESTAMP_FILE="$offset_file" \
    FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1 "$program") & pid=$!
pids+=("$pid")
wait_window "^Alarm Set" >/dev/null
sleep 1
[ "$(displayed)" -eq 0 ] || fail "a notification came 3 minutes ahead of the sked"
# The minutes between pass as a suspend passes them.
step_to $((sked - 123))
hm=$(date -u -d "@$sked" +%H:%M)
reminder=$(told)
[ "$reminder" = "normal"$'\t'"Sked at $hm in 2 min"$'\t'"net on 7.074" ] ||
    fail "the reminder is: $reminder"
step_to $((sked - 4))
alarm=$(told)
[ "$alarm" = "critical"$'\t'"Alarm at $hm:00"$'\t'"net on 7.074" ] || fail "the alarm is: $alarm"
step_to $((sked + 3600))
stepped=$(told)
IFS=$'\t' read -r urgency summary body <<<"$stepped"
[[ "$summary" =~ ^Alarm\ at\ ([0-2][0-9]:[0-5][0-9]:[0-5][0-9])$ ]] ||
    fail "after the step: $stepped"
rang=$(date -u -d "$(date -u -d "@$later" +%F) ${BASH_REMATCH[1]}" +%s)
wanted="second net\\nDue $(date -u -d "@$later" +%H:%M) UTC, $(span $((rang - later))) late"
[ "$urgency/$body" = "critical/$wanted" ] || fail "after the step, '$urgency/$body', not '$wanted'"
kill -TERM "$pid"
wait "$pid" || true

echo "late: b. a start with a sked missed an hour ago"
# Early in a minute, so that the start is not a minute later still.
while (($(date +%s) % 60 > 40)); do sleep 1; done
missed=$(( ($(date +%s) - 3600) / 60 * 60 ))
schedule "  $(date -u -d "@$missed" +%m/%d/%y)    $(hhmm "$missed")  missed net"
settings
start
wait_window "^ Alarm at " >/dev/null
late="Due $(date -u -d "@$missed" +%H:%M) UTC, 1 h 0 min late"
heard=$(/usr/bin/python3 tests/e2e/atspi-read.py " Alarm at " "Alarm message") ||
    fail "the alarm window cannot be read"
[ "$heard" = $'\n'"missed net"$'\n'"$late" ] || fail "the alarm window says '$heard'"
IFS=$'\t' read -r urgency summary body <<<"$(told)"
[ "$body" = "missed net\\n$late" ] || fail "the notification says '$body'"

echo "late: what the notification server recorded (id, app, urgency, summary, body)"
history | sed 's/^/late:   /'
echo "late: passed"
