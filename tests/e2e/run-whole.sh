#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# The real program on schedules that are whole although a field holds what no sked rings at, and
# on a table that was typed but never saved when a signal ends the program. Each case runs in a
# home of its own:
#  a. a schedule whose fifth date is "Done", the printout's end mark: the start shows no box,
#     and Printout through a CUPS queue that writes PDF files lists only the four skeds above it;
#  b. a sked dated 31/12/26, which can never ring, typed into the table: Done writes it and says
#     it will not ring, and the next start reads the file whole, with no box;
#  c. a sked typed over the first one and the table window closed: it is armed, the file stays as
#     it was; SIGTERM then writes it, and the next start arms it from the file.
# A box at start that calls such a file not whole, or a typed sked lost at a signal, would cost
# the user a schedule they meant to keep. Run inside xvfb-run; it starts its own session bus and
# reads the main window through AT-SPI, as a screen reader does.
set -euo pipefail
cd "$(dirname "$0")/../.."
name=whole own_bus=1

# The program's windows on the screen other than the main one: any box it shows is such a window.
# The search also gives the root window.
boxes() { # main window
    local window root
    root=$(($(xwininfo -root | awk '/Window id:/ { print $4 }')))
    for window in $(xdotool search --onlyvisible --pid "$pid" --name '' 2>/dev/null); do
        [ "$window" = "$1" ] || [ "$window" = "$root" ] || echo "'$(xdotool getwindowname "$window")'"
    done
}
# The first 3 s after a start, in which a box about the file would come.
no_box_at_start() { # case, main window
    local deadline=$((SECONDS + 3)) shown
    while ((SECONDS < deadline)); do
        shown=$(boxes "$2")
        [ -z "$shown" ] || fail "$1: at start the program showed $shown"
        sleep 0.2
    done
}
# The next sked as the main window shows it: date, time and message.
next_sked() {
    local what
    for what in Date Time Message; do
        /usr/bin/python3 tests/e2e/atspi-read.py "Alarm Set" "$what of the next sked" ||
            fail "the next sked's ${what,,} cannot be read"
    done | paste -sd' '
}
ended() { # case
    wait_exit "$pid" 10
    local status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "$1: the program ended with $status"
}

done_mark() {
    local year=${far_ahead##*/}
    schedule "  01/01/$year    0101  first sked" "  01/02/$year    0202  second sked" \
        "  01/03/$year    0303  third sked" "  01/04/$year    0404  fourth sked" \
        "S Done        1200  not printed" "  01/06/$year    0606  sixth sked"
    settings "Silent=TRUE"
    pdf_printer
    local before
    before=$(ls "$pdf_folder" | wc -l)
    start
    local main
    main=$(wait_window "^Alarm Set")
    no_box_at_start a "$main"
    open_table "$main"
    xdotool mousemove --window "$table" 322 $((bar + 418)) click 1 # Printout
    local box
    box=$(wait_window "^ Line print the schedule\\?$")
    xdotool mousemove --window "$box" 20 20 key Return
    for _ in $(seq 100); do
        (($(ls "$pdf_folder" | wc -l) > before)) && break
        sleep 0.2
    done
    (($(ls "$pdf_folder" | wc -l) > before)) || fail "a: the queue produced no PDF in $pdf_folder"
    rm -f "$pdf_folder/$(ls -t "$pdf_folder" | head -1)"
    # The queue's own PDF draws its characters as bitmaps; the document the program handed to
    # the queue reads back as text.
    local job text
    job=$(ls -t /var/spool/cups/d*-001 | head -1)
    text=$(pdftotext -layout "$job" -)
    local message printed=()
    for message in "first sked" "second sked" "third sked" "fourth sked"; do
        grep -q "$message" <<<"$text" || fail "a: '$message' is not on paper:"$'\n'"$text"
        printed+=("$message")
    done
    for message in "not printed" "sixth sked"; do
        if grep -q "$message" <<<"$text"; then fail "a: '$message' is on paper:"$'\n'"$text"; fi
    done
    echo "whole: a: 'Done' in sked 5's date: no box at start; on paper ${printed[*]}, not skeds 5 and 6"
}

never_rings() {
    schedule "  $far_ahead    2359  far ahead"
    settings "Silent=TRUE"
    start
    local main
    main=$(wait_window "^Alarm Set")
    open_table "$main"
    type_sked 2 "31/12/26" "1200" "no such day"
    press_done
    local box
    box=$(wait_window "^ Skeds that will not ring$" 5)
    xdotool mousemove --window "$box" 20 20 key Return
    local line="  31/12/26    1200  no such day"
    for _ in $(seq 30); do grep -qF "$line" "$skeds" && break; sleep 0.1; done
    grep -qF "$line" "$skeds" || fail "b: Done did not write the sked: $(cat "$skeds")"
    /usr/bin/python3 tests/e2e/wmclose.py "$main"
    ended b
    start
    main=$(wait_window "^Alarm Set")
    no_box_at_start b "$main"
    grep -qF "$line" "$skeds" || fail "b: after the restart the file lacks the sked: $(cat "$skeds")"
    echo "whole: b: Done wrote '${line:2}' and said it will not ring; restarted on it: no box, the line kept"
}

typed_at_signal() {
    schedule "  $far_ahead    2359  far ahead"
    settings "Silent=TRUE"
    cp "$skeds" "$home/skeds.kept"
    start
    local main
    main=$(wait_window "^Alarm Set")
    open_table "$main"
    # Sked 1 typed over, each field emptied first, with a sked that comes before the far one.
    local date time=1234 message="typed, never saved" field
    date=$(date -u -d "+2 years" +06/15/%y)
    for field in "81 $date" "157 $time" "350 $message"; do
        click "$table" "${field%% *}" $((bar + 69))
        xdotool key ctrl+a
        xdotool type --delay 30 "${field#* }"
    done
    /usr/bin/python3 tests/e2e/wmclose.py "$table"
    local wanted="$date 12:34 $message" armed=""
    for _ in $(seq 30); do
        armed=$(next_sked)
        [ "$armed" = "$wanted" ] && break
        sleep 0.1
    done
    [ "$armed" = "$wanted" ] || fail "c: with the table window closed the next sked is '$armed', not '$wanted'"
    cmp -s "$skeds" "$home/skeds.kept" || fail "c: closing the table window wrote the file: $(cat "$skeds")"
    kill -TERM "$pid"
    ended c
    local line="  $date    $time  $message"
    grep -qxF "$line"$'\r' "$skeds" || fail "c: after SIGTERM the file lacks the typed sked: $(cat "$skeds")"
    [ ! -e "$XDG_CONFIG_HOME/Tockmere/kept-skeds.dat" ] ||
        fail "c: the table went to kept-skeds.dat, not to the schedule file"
    start
    main=$(wait_window "^Alarm Set")
    no_box_at_start c "$main"
    armed=$(next_sked)
    [ "$armed" = "$wanted" ] || fail "c: started again, the next sked is '$armed', not '$wanted'"
    echo "whole: c: closing the table armed '$armed', the file unchanged; SIGTERM wrote it; started again, next sked '$armed'"
}

# One case, in a process of its own so that its home, its program and its failure end with it.
if [ "${1:-}" = one ]; then
    source tests/e2e/common.sh
    case "$2" in
    a) done_mark ;;
    b) never_rings ;;
    c) typed_at_signal ;;
    esac
    exit 0
fi

source tests/e2e/common.sh
need xdotool xwininfo pdftotext /usr/bin/python3
need_display
[ -x "$program" ] || fail "$program is not built"
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || fail "python3-xlib is missing"
atspi_bus

# Every case runs, so one failure does not hide what the others would say.
failed=()
for case in a b c; do
    tests/e2e/run-whole.sh one "$case" || failed+=("$case")
done
((${#failed[@]} == 0)) || fail "case ${failed[*]}"
echo "whole: passed"
