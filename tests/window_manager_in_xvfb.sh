#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under a real window manager: openbox in Xvfb (1280 x 1024).
# Checks that the frame is centred to the pixel, that the window asks for
# moving and closing only and openbox offers neither maximising nor resizing,
# that the plot's pointer events follow the mouse (real_display_test), that a
# screen reader finds every field by name over AT-SPI, and that the window
# manager's close ends the program with exit code 0.
#   window_manager_in_xvfb.sh DIPLEXER X11_SESSION REAL_DISPLAY_TEST [ATSPI_NAMES]
set -u
program=$1
session=$2
display_test=$3
atspi_names=${4:-}
title='Диплексер (Зорвин2)'

command -v openbox >/dev/null || { echo "openbox is missing (tools/install-packages)"; exit 1; }
. "$(dirname "$0")/xvfb_helpers.sh"
start_xvfb "$session" 1280x1024x24 || exit 1
HOME=$(mktemp -d) openbox >/dev/null 2>&1 &
"$session" wmready || { echo "openbox did not start"; exit 1; }

# 1. The frame, the hints, the actions, and the window manager's close. The
# accessibility bus of a session of its own, as a screen reader would use it.
run_program() {
    if [ -n "$atspi_names" ] && command -v dbus-run-session >/dev/null; then
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 dbus-run-session -- bash -c '
            "$1" & pid=$!
            "$2" diplexer > "$3"
            wait $pid' _ "$program" "$atspi_names" "$names_file" &
    else
        "$program" &
    fi
}
names_file=$(mktemp)
run_program
pid=$!
"$session" wait "$title" >/dev/null || fail "the window did not appear"
sleep 0.5
frame=$("$session" frame "$title")
echo "frame x y width height: $frame"
[ "$frame" = "214 186 852 651" ] || fail "frame $frame, not centred at 214 186"
motif=$("$session" motif "$title")
echo "Motif hints: $motif"
[ "$motif" = "flags 3 functions 36 decorations 26" ] || fail "Motif hints $motif"
actions=$("$session" actions "$title")
echo "allowed actions: $actions"
case " $actions " in *_NET_WM_ACTION_CLOSE*) ;; *) fail "openbox offers no close";; esac
case " $actions " in *_NET_WM_ACTION_MOVE*) ;; *) fail "openbox offers no move";; esac
case " $actions " in *MAXIMIZE*|*RESIZE*) fail "openbox offers maximising or resizing";; esac
if [ -n "$atspi_names" ]; then
    for _ in $(seq 1 50); do
        [ -s "$names_file" ] && break
        sleep 0.2
    done
    echo "over AT-SPI:"
    sed 's/^/  /' "$names_file"
    for name in 'частота F, Мгц' 'входное сопротивление R, ом' 'добротность контуров Qk' \
                'добротность диплексера Qd' 'потери D, db' 'коэффициент передачи K' 'КСВ' \
                'частота под указателем Fi' 'L1, катушка параллельной ветви' \
                'L2, катушка последовательной ветви' 'C1, конденсатор параллельной ветви' \
                'C2, конденсатор последовательной ветви' 'R нагрузки последовательной ветви' \
                'R параллельной ветви' 'R источника' 'график K и КСВ' 'схема диплексера' \
                'РАСЧЕТ'; do
        grep -q "|$name|" "$names_file" || fail "no accessible named '$name' over AT-SPI"
    done
    grep -q '^push button|РАСЧЕТ|' "$names_file" || fail "the button is not a push button over AT-SPI"
fi
"$session" wmclose "$title" || fail "the window manager's close"
finish $pid "closed by the window manager"
rm -f "$names_file"

# 2. The plot's pointer events from XTest, in the real window under openbox.
QT_QPA_PLATFORM=xcb "$display_test" || fail "the pointer events under openbox"

if [ $failures -eq 0 ]; then
    echo "under openbox: centred, moves and closes only, and closed with exit code 0"
    exit 0
fi
exit 1
