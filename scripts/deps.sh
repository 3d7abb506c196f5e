#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Installs the Debian packages that one of the README's commands needs, only those that are
# missing, without prompting, as root or through sudo. Safe to run again and again.
#
#   scripts/deps.sh run    building and running the clock (scripts/run.sh)
#   scripts/deps.sh test   that, and the test suite and CI's checks (scripts/test.sh)
#
# Someone who only runs the clock gets no sound or print server and no test tool: the program
# plays through whatever PulseAudio-compatible server the desktop already has.
set -euo pipefail

# One group a line, with what needs it.
run_packages=(
    cmake ninja-build g++ pkg-config # the build
    qt6-base-dev qt6-multimedia-dev  # the toolkit, with its sound module
    qt6-wayland                      # windows on a Wayland desktop
    qt6-tools-dev qt6-l10n-tools     # the translations: lupdate, lrelease and their CMake functions
    qt6-translations-l10n            # Qt's own texts (OK, Cancel) in the user's language
    fonts-dejavu-core                # the clock's typeface
    tzdata                           # local time and its offset from UTC
    xvfb xauth                       # xvfb-run -a scripts/run.sh on a machine without a display
)
test_packages=(
    poppler-utils                            # tst_qtprinter, run-print.sh: read a PDF back
    clang libclang-rt-14-dev                 # scripts/fuzz.sh: libFuzzer
    xdotool imagemagick x11-utils            # run-e2e.sh, screenshots.sh: drive, photograph windows
    python3-xlib                             # run-restart.sh: close, minimise windows as a window manager does
    strace                                   # run-restart.sh: the order of a save's syscalls
    python3-pyatspi at-spi2-core dbus-daemon # run-a11y.sh, run-timezones.sh: read the program as a screen reader does
    libfaketime                              # run-timezones.sh: the program's clock at a chosen instant
    weston                                   # run-wayland.sh: a Wayland compositor without a screen
    pulseaudio pulseaudio-utils              # run-sound.sh: a sound server with a null sink
    dunst                                    # run-notifications.sh: a notification server
    cups cups-client printer-driver-cups-pdf # run-print.sh: a print queue that writes PDF
    dpkg-dev                                 # run-package.sh: cpack's library scan (dpkg-shlibdeps)
    desktop-file-utils                       # run-package.sh: desktop-file-validate
    appstream                                # run-package.sh: appstreamcli validate
    lintian                                  # run-package.sh: Debian's package checks
    man-db                                   # run-package.sh: man renders the manual page
    locales                                  # tst_rules, run-languages.sh: the German and Spanish C locales
)
# The locales the tests run under, made when missing (a fresh system has only C and POSIX).
test_locales=(de_DE es_ES)

case "${1:-}" in
run) packages=("${run_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$package")
done
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    # Through env, because sudo drops the caller's environment: no package may stop to ask.
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [ "$1" = test ]; then
    for name in "${test_locales[@]}"; do
        locale -a | grep -qix "$name.utf8" ||
            "${as_root[@]}" localedef -i "$name" -c -f UTF-8 "$name.UTF-8"
    done
fi
