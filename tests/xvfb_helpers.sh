# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests that run the real program in a real X server.

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# start_xvfb X11_SESSION [SCREEN] starts Xvfb (SCREEN, by default 1024x768x24) on a free display,
# exports DISPLAY, stops it when the shell exits, and waits until it takes
# connections. -noreset keeps the server as it is when the last client leaves,
# between one check and the next.
start_xvfb() {
    local session=$1 screen=${2:-1024x768x24} number=$((90 + RANDOM % 400))
    command -v Xvfb >/dev/null || { echo "Xvfb is missing (Debian package xvfb)"; return 1; }
    while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
        number=$((number + 1))
    done
    export DISPLAY=":$number"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    Xvfb "$DISPLAY" -screen 0 "$screen" -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'kill $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null' EXIT
    "$session" ready || { echo "Xvfb did not start"; return 1; }
}

# stop_xvfb ends the X server that start_xvfb started.
stop_xvfb() {
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
}

# finish PID WHAT [STATUS] waits for the program to end by itself after a close
# request or a lost display (it must not need killing) and checks that its exit
# status is STATUS (0 unless given), not a signal.
finish() {
    local pid=$1 what=$2 expected=${3:-0}
    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill -9 "$pid"
        fail "$what: the program did not end after the close request"
    fi
    wait "$pid"
    local code=$?
    if [ "$code" -gt 128 ]; then
        fail "$what: ended by signal $((code - 128))"
    elif [ "$code" -ne "$expected" ]; then
        fail "$what: exit code $code, not $expected"
    fi
    echo "$what: exit code $code"
}

# changed_from SUM X Y WIDTH HEIGHT waits up to 5 s for a region of the window
# to differ from the sum it had before; the caller sets `session` and `title`.
changed_from() {
    local before=$1
    shift
    for _ in $(seq 1 50); do
        sleep 0.1
        [ "$("$session" sum "$title" "$@")" != "$before" ] && return 0
    done
    return 1
}
