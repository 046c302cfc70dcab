#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program in a real X server (Xvfb, 1024 x 768), checks that its
# window is 850 x 630 and centred, and closes it as a window manager's close box
# does, once before and once after a press of the calculate button. Each run
# must end with exit code 0. Then once more after a press, in a storm of
# pointer moves over the plot with the close request among them.
#   program_in_xvfb.sh DIPLEXER X11_SESSION [SCREENSHOT.png]
set -u
program=$1
session=$2
screenshot=${3:-}
title='Диплексер (Зорвин2)'

. "$(dirname "$0")/xvfb_helpers.sh"
start_xvfb "$session" || exit 1

# 1. Opened (with a command line it must ignore) and closed at once.
"$program" -platform offscreen --help &
pid=$!
geometry=$("$session" wait "$title") || fail "the window did not appear"
echo "window x y width height, screen width height: $geometry"
[ "$geometry" = "87 69 850 630 1024 768" ] || fail "window geometry $geometry"
# Fixed in size; a close box, but no minimise or maximise box.
hints=$("$session" hints "$title")
echo "asks the window manager for: $hints"
read -r _ min _ max _ functions <<<"$hints"
[ "$min" = 850x630 ] && [ "$max" = 850x630 ] || fail "size limits $hints"
[ $((functions & 32)) -ne 0 ] || fail "no close function: $hints"
[ $((functions & (8 | 16))) -eq 0 ] || fail "minimise or maximise function: $hints"
"$session" close "$title" || fail "close request"
finish $pid "closed before a calculation"

# 2. A press of the calculate button, then the close box. The press shows in
# L1Output, whose text changes from "L1" to the coil's value, and on the plot,
# around the K curve's peak at (201, 29) inside the plot's border at (12, 272).
# Then the pointer over the plot at 10 MHz shows in FiOutput.
"$program" &
pid=$!
"$session" wait "$title" >/dev/null || fail "the window did not appear"
sleep 0.5
l1_before=$("$session" sum "$title" 420 125 70 20)
plot_before=$("$session" sum "$title" 200 290 30 30)
"$session" click "$title" 85 190 || fail "click"
changed_from "$l1_before" 420 125 70 20 || fail "the press did not change L1Output"
sleep 0.3
[ "$("$session" sum "$title" 200 290 30 30)" != "$plot_before" ] || fail "the press drew no curve"
fi_before=$("$session" sum "$title" 760 370 70 20)
"$session" move "$title" 212 372 || fail "move"
changed_from "$fi_before" 760 370 70 20 || fail "the pointer over the plot did not change FiOutput"
sleep 0.3
if [ -n "$screenshot" ]; then
    import -window root -crop 850x630+87+69 +repage "$screenshot" || fail "screenshot"
fi
"$session" close "$title" || fail "close request"
finish $pid "closed after a calculation"

# 3. A storm: after a press, 20,000 XTest moves over the plot as fast as the
# server takes them, with the close request sent after the first 10,000. The
# program must keep up, answer the close within 2 s and end with exit code 0.
"$program" &
pid=$!
"$session" wait "$title" >/dev/null || fail "the window did not appear"
sleep 0.5
l1_before=$("$session" sum "$title" 420 125 70 20)
"$session" click "$title" 85 190 || fail "click"
changed_from "$l1_before" 420 125 70 20 || fail "the press did not change L1Output"
storm=$("$session" storm "$title" 20000 12 272 656 336) || fail "storm: $storm"
echo "storm: $storm"
answered=$(sed -n 's/.*went away \([0-9]*\) ms after.*/\1/p' <<<"$storm")
[ -n "$answered" ] && [ "$answered" -le 2000 ] || fail "the close was not answered within 2 s"
finish $pid "closed in a storm of pointer moves"

if [ $failures -eq 0 ]; then
    echo "the program opened, centred, and closed with exit code 0"
    exit 0
fi
exit 1
