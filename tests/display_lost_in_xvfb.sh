#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program loses its display: the X server ends under it, or the
# client is killed the way xkill does (xdotool windowkill), once before and
# once after a press of the calculate button. Qt then ends the process with
# exit code 1; it must end so, by itself, and not by a signal.
#   display_lost_in_xvfb.sh DIPLEXER X11_SESSION
set -u
program=$1
session=$2
title='Диплексер (Зорвин2)'
. "$(dirname "$0")/xvfb_helpers.sh"
command -v xdotool >/dev/null || { echo "xdotool is missing (Debian package xdotool)"; exit 1; }

for how in "server ends" "client killed"; do
    for when in "before a press" "after a press"; do
        start_xvfb "$session" || exit 1
        "$program" &
        pid=$!
        "$session" wait "$title" >/dev/null || fail "$how $when: the window did not appear"
        sleep 0.5
        if [ "$when" = "after a press" ]; then
            # The press shows in L1Output, whose text changes from "L1".
            l1_before=$("$session" sum "$title" 420 125 70 20)
            "$session" click "$title" 85 190 || fail "$how $when: click"
            changed_from "$l1_before" 420 125 70 20 || fail "$how $when: the press did not show"
        fi
        if [ "$how" = "server ends" ]; then
            stop_xvfb
        else
            # The title as a regular expression: its parentheses escaped.
            window=$(xdotool search --name "^${title//[()]/\\&}\$" | head -n 1)
            [ -n "$window" ] || fail "$how $when: xdotool did not find the window"
            xdotool windowkill "$window" || fail "$how $when: windowkill"
        fi
        finish $pid "$how $when" 1
        stop_xvfb
    done
done

if [ $failures -eq 0 ]; then
    echo "the program ended with exit code 1 each time it lost its display"
    exit 0
fi
exit 1
