#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Reads the running program the way a screen reader does, through the AT-SPI accessibility bus
# and outside the process: the clock, the next sked, the alarm window's message, the countdown
# and the stopwatch must each be heard as the value on screen, and the countdown keeps the clock
# when Done in the table window arms the next sked. Run inside xvfb-run; it starts its own
# session bus.
set -euo pipefail
cd "$(dirname "$0")/../.."
name=a11y own_bus=1
source tests/e2e/common.sh
need xdotool
need_display
schedule "  $yesterday    1200  call <b>W1AW</b>" "  $far_ahead    2359  far ahead"
settings

read_control() { /usr/bin/python3 tests/e2e/atspi-read.py "$1" "$2"; }
expect() { # window, description, wanted name
    local heard
    heard=$(read_control "$1" "$2") || fail "nothing heard for '$2'"
    [ "$heard" = "$3" ] || fail "'$2' is heard as '$heard', not '$3'"
    echo "a11y: $2: '$heard'"
}
menu_entry() { # main window, number of the entry from the top
    xdotool mousemove --window "$1" 250 45 windowfocus --sync "$1" key shift+F10
    sleep 0.5
    for _ in $(seq "$2"); do xdotool key Down; done
    xdotool key Return
}

atspi_bus
start
alarm=$(wait_window "^ Alarm at ")
main=$(wait_window "^Alarm Set")
xdotool windowmove "$alarm" 400 300
sleep 1

echo "a11y: the clock is heard as the second on screen"
before=$(date -u +%s)
heard=$(read_control "Alarm Set" "System clock")
after=$(date -u +%s)
[[ "$heard" =~ ^[0-2][0-9]:[0-5][0-9]:[0-5][0-9]$ ]] || fail "the clock is heard as '$heard'"
heard_s=$(date -u -d "today $heard" +%s)
((heard_s >= before - 1 && heard_s <= after)) || fail "the clock says $heard at $(date -u +%T)"
echo "a11y: clock: '$heard'"
expect "Alarm Set" "Date of the next sked" "$far_ahead"
expect "Alarm Set" "Time of the next sked" "23:59"
expect "Alarm Set" "Message of the next sked" "far ahead"
# Yesterday's sked rang at start, told how late it was.
rang=$(xdotool getwindowname "$alarm")
rang=$(date -u -d "$(date -u +%F) ${rang# Alarm at }" +%s)
((rang <= $(date -u +%s))) || rang=$((rang - 86400)) # rang before midnight
late=$(span $((rang - $(date -u -d "$yesterday 12:00" +%s))))
expect " Alarm at " "Alarm message" $'\ncall <b>W1AW</b>\nDue 12:00 UTC, '"$late late"

echo "a11y: the table window"
open_table "$main"
expect " Schedules" "Schedule file" "$home/skeds.dat"
heard=$(read_control " Schedules" "Clock")
[[ "$heard" =~ ^[0-2][0-9]:[0-5][0-9]:[0-5][0-9]$ ]] || fail "the table's clock is heard as '$heard'"
echo "a11y: table clock: '$heard'"

echo "a11y: the countdown"
menu_entry "$main" 10
prompt=$(wait_window "^Count Down Timer$")
xdotool mousemove --window "$prompt" 20 20 type "90"
# Answered three quarters into a second, so the countdown turns over there while the clock's
# tick comes at the start of each second: a clock tick that ran beside the countdown would show
# its time for most of every second, and a reading would catch it.
sleep "$(printf '0.%09d' $(((1750000000 - 10#$(date +%N)) % 1000000000)))"
xdotool key Return
sleep 1.2
heard=$(read_control " Count Down" "System clock")
[[ "$heard" =~ ^01:(30|29|28)$ ]] || fail "the countdown is heard as '$heard'"
echo "a11y: countdown: '$heard'"

echo "a11y: Done in the table window arms the next sked and leaves the clock to the countdown"
xdotool mousemove --window "$table" 133 $((bar + 418)) click 1 # Done
# Read ten times over about three seconds, a reading every third of a second or so wherever
# the second is: the countdown only ever goes down, in minutes and seconds, under its own title.
readings=() last=$((100 * 60))
for _ in $(seq 10); do
    title=$(xdotool getwindowname "$main")
    [ "$title" = " Count Down Timer" ] || fail "after Done the main window's title is '$title'"
    heard=$(read_control " Count Down" "System clock") || fail "the countdown cannot be read"
    [[ "$heard" =~ ^([0-5][0-9]):([0-5][0-9])$ ]] ||
        fail "after Done the clock is heard as '$heard' among '${readings[*]}'"
    left=$((10#${BASH_REMATCH[1]} * 60 + 10#${BASH_REMATCH[2]}))
    ((left <= last)) || fail "after Done the countdown went up: '${readings[*]} $heard'"
    readings+=("$heard") last=$left
    sleep 0.25
done
first=${readings[0]}
((10#${first%:*} * 60 + 10#${first#*:} - last >= 2)) ||
    fail "after Done the countdown stood still: '${readings[*]}'"
echo "a11y: countdown after Done: '${readings[*]}'"

echo "a11y: the stopwatch"
menu_entry "$main" 11
watch=$(wait_window "^Stop Watch$")
xdotool mousemove --window "$watch" 60 60 click 1
sleep 2.5
expect "Stop Watch" "Hours" "00"
expect "Stop Watch" "Minutes" "00"
heard=$(read_control "Stop Watch" "Seconds")
[[ "$heard" =~ ^0[2-3]$ ]] || fail "the stopwatch's seconds are heard as '$heard'"
echo "a11y: stopwatch seconds: '$heard'"

# The windows as a screen reader tells them apart: it announces a window that appears only if it
# is a frame, a dialog or an alert, and speaks an alarm as urgent only as an alert. Every window
# open now, the About window too, must have its role; then an alarm window's appearance must
# reach the bus, from a start on a missed sked with a reader's listeners already registered.
echo "a11y: the windows' roles"
menu_entry "$main" 13
wait_window "^ About Tockmere$" >/dev/null
roles=$(/usr/bin/python3 tests/e2e/atspi-roles.py windows) || fail "no window heard"
while IFS=$'\t' read -r role window; do echo "a11y: role: $role: '$window'"; done <<<"$roles"
[ "$(wc -l <<<"$roles")" -eq 5 ] || fail "five windows are open, but these are heard: $roles"
expect_role() { # window name pattern, wanted role
    local heard
    heard=$(awk -F'\t' -v name="$1" '$2 ~ name { print $1 }' <<<"$roles")
    [ "$heard" = "$2" ] || fail "the window '$1' is heard as '${heard:-nothing}', not '$2'"
}
expect_role "^(Alarm Set| Count Down| Tockmere )" frame # the main window, by any of its captions
expect_role "^ Schedules" frame
expect_role "^Stop Watch$" frame
expect_role "^ Alarm at " alert
expect_role "^ About Tockmere$" dialog

echo "a11y: the alarm window is announced as it appears"
kill -TERM "$pid"
wait "$pid" || true
schedule "  $yesterday    1200  announced"
/usr/bin/python3 tests/e2e/atspi-roles.py listen 15 " Alarm at " >"$home/heard" & listener=$!
pids+=("$listener")
for _ in $(seq 50); do grep -q "^listening$" "$home/heard" && break; sleep 0.1; done
start
wait "$listener" ||
    fail "no alarm window appeared as an alert; heard: $(grep -v '^listening$' "$home/heard")"
grep -v "^listening$" "$home/heard" | sed "s/^/a11y: event: /"
echo "a11y: passed"
