#!/usr/bin/env bash
# Prints the schedule through the program's real printer service to a CUPS queue that writes PDF
# files (cups-pdf), made the default printer, and checks the listing and its columns on paper.
set -euo pipefail
cd "$(dirname "$0")/../.."
bin="$(pwd)/build/default/bin"
for tool in cupsd lpadmin lpstat pdftotext; do
    command -v "$tool" >/dev/null || [ -x "/usr/sbin/$tool" ] ||
        { echo "print: $tool is missing" >&2; exit 1; }
done
[ -x "$bin/printprobe" ] || { echo "print: $bin/printprobe is not built" >&2; exit 1; }
fail() { echo "print: FAILED: $*" >&2; exit 1; }

# lpstat -r exits 0 whether or not the scheduler runs; only its words tell.
running() { [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; }
started=""
if ! running; then
    /usr/sbin/cupsd || fail "cupsd would not start"
    started=yes
    for _ in $(seq 50); do running && break; sleep 0.1; done
fi
trap 'if [ -n "$started" ]; then pkill -x cupsd || true; fi' EXIT
running || fail "the CUPS scheduler did not start"
lpadmin -p TockmerePDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E ||
    fail "could not add the cups-pdf queue"
lpadmin -d TockmerePDF || fail "could not make the cups-pdf queue the default"

# cups-pdf writes into the PDF folder of the printing user's home.
out="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
mkdir -p "$out"
before=$(ls "$out" 2>/dev/null | wc -l)
probe=$(QT_QPA_PLATFORM=offscreen "$bin/printprobe" /home/op/skeds.dat) || fail "$probe"
pitch=$(sed -n 's/^pitch //p' <<<"$probe")
pdf=""
for _ in $(seq 100); do
    if [ "$(ls "$out" | wc -l)" -gt "$before" ]; then
        pdf="$out/$(ls -t "$out" | head -1)"
        break
    fi
    sleep 0.2
done
[ -n "$pdf" ] || fail "the queue produced no PDF in $out"
sleep 0.5
# The document the program handed to the queue reads back as text; the queue's own PDF has its
# fonts converted, so on that paper only the places of the words are checked.
job=$(ls -t /var/spool/cups/d*-001 | head -1)
text=$(pdftotext -fixed "$pitch" "$job" -)
paper=$(pdftotext -bbox "$pdf" - 2>/dev/null | sed -n 's/.*<word xMin="\([0-9.]*\)" yMin="\([0-9.-]*\)".*/\2 \1/p')
rm -f "$pdf"

# Columns are counted from where "Dates and Times" (column 2) starts on paper.
heading=$(grep -m1 'Dates and Times are UTC' <<<"$text") || fail "no time-base heading: $text"
indent=${heading%%Dates*}
column() { # text, 1-based column of the listing where it must start
    local line
    line=$(grep -m1 -F "$1" <<<"$text") || fail "'$1' is not on paper"
    local before=${line%%"$1"*}
    [ $(( ${#before} - ${#indent} + 2 )) -eq "$2" ] ||
        fail "'$1' starts at column $(( ${#before} - ${#indent} + 2 )), not $2"
}
column "Scheduled Alarms   File: /home/op/skeds.dat" 10
for row in "12/05/26:1430:W1AW bulletin" "12/31/2026:0930:DL1ABC weekly sked on 14.047" \
    "01/01/27:2359:JA1XYZ 20 m CW"; do
    IFS=: read -r date time message <<<"$row"
    column "$date" 2
    line=$(grep -m1 -F "$date" <<<"$text")
    rest=${line#"$indent"}
    [ "${rest:12:4}" = "$time" ] || fail "time of $date not at column 14: '$line'"
    [ "${rest:20:${#message}}" = "$message" ] || fail "message of $date not at column 22: '$line'"
done
# On paper: the last three lines are the skeds; their second and third words start 12 and 20
# characters after their first.
rows=$(awk '{ if (!n || ($1 - y) ^ 2 > 25) { if (n) print line; y = $1; line = $2; n = 1 }
             else line = line " " $2 }
            END { print line }' <<<"$paper" | tail -3)
[ "$(wc -l <<<"$rows")" -eq 3 ] || fail "the printed PDF has no three sked lines"
while read -r date time message _; do
    awk -v d="$date" -v t="$time" -v m="$message" -v p="$pitch" 'BEGIN {
        exit !((t - d - 12 * p) ^ 2 < 1 && (m - d - 20 * p) ^ 2 < 1) }' ||
        fail "on paper the columns are off: $date $time $message (pitch $pitch)"
done <<<"$rows"
echo "print: passed (the listing through CUPS to a PDF, columns 2, 14 and 22)"
