# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Sourced by the end-to-end scripts, from the project's root, after setting `name` (the word their
# messages begin with): a throw-away home in UTC with its own settings and runtime folders,
# removed on exit with every process started through `start` or added to `pids`; helpers to
# check tools, fail, write a schedule and settings, find windows in the X server, start a sound
# server, serve the accessibility bus and set up a print queue that writes PDF files.

# A script that sets `own_bus` runs on a session bus of its own, always: on a desktop's bus the
# desktop's services (its notification server, say) would answer, not the script's. The
# processes it starts share that bus.
if [ -n "${own_bus:-}" ] && [ -z "${TOCKMERE_E2E_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "$name: dbus-run-session is missing" >&2; exit 1; }
    TOCKMERE_E2E_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

# TOCKMERE_PROGRAM runs the scripts on another build of the program, an older one say.
program="${TOCKMERE_PROGRAM:-$(pwd)/build/default/bin/tockmere}"
home=$(mktemp -d)
pids=()
on_exit=() # more to do on exit, before the processes end
cleanup() {
    for step in "${on_exit[@]}"; do eval "$step" || true; done
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$home"
}
trap cleanup EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" TZ=UTC
mkdir -p "$XDG_CONFIG_HOME/Tockmere" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
ini="$XDG_CONFIG_HOME/Tockmere/Tockmere.ini"
skeds="$home/skeds.dat"
yesterday=$(date -u -d yesterday +%m/%d/%y)
# A sked date that stays ahead whenever the scripts run.
far_ahead=$(date -u -d "+3 years" +12/31/%y)

fail() { echo "$name: FAILED: $*" >&2; exit 1; }
need() { # tools, by name or path
    for tool; do
        command -v "$tool" >/dev/null || [ -x "/usr/sbin/$tool" ] ||
            { echo "$name: $tool is missing" >&2; exit 1; }
    done
}
need_display() { [ -n "${DISPLAY:-}" ] || { echo "$name: no X display; run it under xvfb-run" >&2; exit 1; }; }
# The schedule file from lines "flag date time message" already in their columns, then the
# settings from "key=value" lines, pointing at it.
schedule() { { printf '%s\r\n' "$@" 'WeeklyIncr: 0' 'end'; } > "$skeds"; }
settings() { { echo '[Options]'; echo "Plannex%20file=$skeds"; printf '%s\n' "$@"; } > "$ini"; }
setting() { sed -n "s/^$1=//p" "$ini"; }
start() { (cd "$home" && exec "$program" "$@") & pid=$!; pids+=("$pid"); }
wait_window() { # name pattern, seconds (15 unless given); prints the window's id
    local deadline=$((SECONDS + ${2:-15}))
    until xdotool search --name "$1" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || fail "no window named '$1' after ${2:-15} s"
        sleep 0.2
    done
    xdotool search --name "$1" | head -1
}
# The table window, from the main window's Set Alarm, at a known place; `bar` is the height of
# its menu bar above the designed client area.
open_table() { # main window
    xdotool windowmove "$1" 10 10
    sleep 0.3
    xdotool mousemove --window "$1" 58 14 click 1
    table=$(wait_window "^ Schedules")
    xdotool windowmove "$table" 10 130
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$table")"
    bar=$((HEIGHT - 464))
}
click() { # window, x, y
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.3
}
wait_exit() { # pid, seconds
    local deadline=$((SECONDS + $2))
    while kill -0 "$1" 2>/dev/null; do
        ((SECONDS < deadline)) || fail "the program did not end within $2 s"
        sleep 0.1
    done
}
# Types a sked into row 1 or 2 of the open table's first page, at the designed columns: the date
# (over what the field holds; "" leaves it), the time and the message. Then Done.
type_sked() { # row, date, time, message
    local y=$((bar + 53 + 16 * $1))
    if [ -n "$2" ]; then
        click "$table" 81 "$y"
        xdotool key ctrl+a
        xdotool type --delay 50 "$2"
    fi
    click "$table" 157 "$y"
    xdotool type --delay 50 "$3"
    click "$table" 350 "$y"
    xdotool type --delay 30 "$4"
}
press_done() { click "$table" 133 $((bar + 418)); }
# The accessibility bus, which a screen reader reads. Qt serves it when a desktop asks for it;
# this session has no desktop.
atspi_bus() {
    need /usr/libexec/at-spi-bus-launcher
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is missing"
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    /usr/libexec/at-spi-bus-launcher --launch-immediately & pids+=($!)
    sleep 1
}
# A PulseAudio server of the session's own, whose null sink plays to nowhere but shows each
# stream; `streams` counts the streams playing.
sound_server() {
    need pulseaudio pactl
    on_exit+=("pulseaudio --kill 2>/dev/null")
    pulseaudio -D --exit-idle-time=-1 -n --load=module-null-sink \
        --load=module-native-protocol-unix 2>/dev/null
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl info >/dev/null || fail "the PulseAudio server did not start"
}
streams() { pactl list short sink-inputs | wc -l; }
# A CUPS queue that writes PDF files (cups-pdf), made the default printer. A scheduler that
# runs already is used; otherwise one is started here and ended on exit. cups-pdf writes into
# `pdf_folder`, the PDF folder of the printing user's home.
pdf_printer() {
    need cupsd lpadmin lpstat
    # lpstat -r exits 0 whether or not the scheduler runs; only its words tell.
    running() { [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; }
    if ! running; then
        /usr/sbin/cupsd -f & pids+=($!)
        for _ in $(seq 50); do running && break; sleep 0.1; done
    fi
    running || fail "the CUPS scheduler did not start"
    # A job that a scheduler ended before it was done is printed again at the next start. Such
    # jobs finish here, and every job before the scheduler ends, so each run's PDF is its own.
    idle() { for _ in $(seq 100); do [ -z "$(lpstat -o 2>/dev/null)" ] && return; sleep 0.1; done; }
    idle
    on_exit+=(idle)
    lpadmin -p TockmerePDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E ||
        fail "could not add the cups-pdf queue"
    lpadmin -d TockmerePDF || fail "could not make the cups-pdf queue the default"
    pdf_folder="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
    mkdir -p "$pdf_folder"
}
# A dunst notification server of the session's own (a script that uses it sets `own_bus`), with
# a configuration of its own: every notification on the screen at once, none timing out by
# itself and none folded into an equal one, so each is seen; a menu, when one is asked for, is
# the program `$home/menu-choice`. `displayed` counts the notifications on the screen.
notification_server() {
    need dunst dunstctl dbus-send
    # The history that dunstctl prints keeps no urgency: the message, formatted per urgency,
    # ends with it.
    cat >"$home/dunstrc" <<EOF
[global]
    notification_limit = 0
    idle_threshold = 0
    stack_duplicates = false
    dmenu = $home/menu-choice
[urgency_low]
    format = "%s\n%b\n(low)"
[urgency_normal]
    format = "%s\n%b\n(normal)"
[urgency_critical]
    format = "%s\n%b\n(critical)"
EOF
    # The package's D-Bus service file would start a dunst with its default configuration for
    # the first notification if ours were not on the bus yet: the name must be ours before the
    # program starts.
    dunst -config "$home/dunstrc" 2>"$home/dunst.log" & dunst=$!
    pids+=("$dunst")
    owner() {
        dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.GetConnectionUnixProcessID string:org.freedesktop.Notifications \
            2>/dev/null | awk '{ print $2 }'
    }
    for _ in $(seq 50); do [ -n "$(owner)" ] && break; sleep 0.1; done
    [ "$(owner)" = "$dunst" ] || fail "dunst is not the notification server: $(cat "$home/dunst.log")"
}
displayed() { dunstctl count displayed; }
wait_displayed() { # count
    for _ in $(seq 100); do [ "$(displayed)" -ge "$1" ] && return; sleep 0.1; done
    fail "$(displayed) notifications on the screen, not $1"
}
# The notifications the server has put in its history, by id: "ID<tab>APP<tab>URGENCY<tab>
# SUMMARY<tab>BODY", the body as received, a line break in it written \n.
history() {
    dunstctl history | /usr/bin/python3 -c '
import json, sys
for n in sorted(json.load(sys.stdin)["data"][0], key=lambda n: n["id"]["data"]):
    urgency = n["message"]["data"].rsplit("\n(", 1)[-1].rstrip(")")
    print("\t".join(str(n[k]["data"]) for k in ("id", "appname")), urgency,
          n["summary"]["data"], n["body"]["data"].replace("\n", "\\n"), sep="\t")'
}
# A span of seconds as the program tells lateness: "45 min", "2 h 5 min", "1 d 0 h 10 min".
span() {
    local minutes=$(($1 / 60))
    if ((minutes < 60)); then echo "$minutes min"
    elif ((minutes < 1440)); then echo "$((minutes / 60)) h $((minutes % 60)) min"
    else echo "$((minutes / 1440)) d $((minutes / 60 % 24)) h $((minutes % 60)) min"; fi
}
