#!/bin/sh
# The private X displays of the GTK tests: "start N..." runs Xvfb on each :N with openbox as its
# window manager, as a player's desktop has one, and waits until both answer; "stop N..." ends
# the ones this script started. Without Xvfb the start reports that and exits 77, which ctest
# counts as skipped, and the tests on those displays skip with the reason; without openbox it
# says so and the displays run without a window manager.
set -u
action=$1
shift

pidfile() { echo "${TMPDIR:-/tmp}/vandro-xvfb-$1.pid"; }
wmpidfile() { echo "${TMPDIR:-/tmp}/vandro-openbox-$1.pid"; }

# Ends the process whose id the file holds, if it still runs, and forgets the file.
end() {
    if [ -f "$1" ]; then
        kill "$(cat "$1")" 2>/dev/null
        rm -f "$1"
    fi
}

start() {
    display=$1
    pids=$(pidfile "$display")
    end "$(wmpidfile "$display")"
    if [ -f "$pids" ] && kill -0 "$(cat "$pids")" 2>/dev/null; then
        kill "$(cat "$pids")"
        sleep 0.2
    fi
    rm -f "/tmp/.X$display-lock" "/tmp/.X11-unix/X$display" 2>/dev/null
    # -noreset: the display serves one test after another, and a server that resets whenever its
    # last client leaves can drop the next test's connection while it is starting.
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    echo $! >"$pids"
}

# Waits for :N to answer.
answers() {
    display=$1
    tries=0
    while ! xdpyinfo -display ":$display" >/dev/null 2>&1 && ! [ -S "/tmp/.X11-unix/X$display" ]; do
        tries=$((tries + 1))
        if [ $tries -gt 100 ]; then
            echo "Xvfb :$display did not start"
            return 1
        fi
        sleep 0.05
    done
    echo "Xvfb :$display is running (pid $(cat "$(pidfile "$display")"))"
}

# Starts openbox on :N and waits until it manages the screen (it names itself on the root window).
manage() {
    display=$1
    command -v openbox >/dev/null 2>&1 || return 0
    DISPLAY=":$display" openbox --sm-disable >/dev/null 2>&1 &
    echo $! >"$(wmpidfile "$display")"
    tries=0
    while ! DISPLAY=":$display" xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window; do
        tries=$((tries + 1))
        if [ $tries -gt 100 ]; then
            echo "openbox on :$display did not start"
            return 1
        fi
        sleep 0.05
    done
    echo "openbox manages :$display"
}

case $action in
start)
    if ! command -v Xvfb >/dev/null 2>&1; then
        echo "Xvfb is not installed: the GTK tests need it (apt-get install xvfb)"
        exit 77
    fi
    for display in "$@"; do
        start "$display"
    done
    if ! command -v openbox >/dev/null 2>&1; then
        echo "openbox is not installed: the displays run without a window manager (apt-get install openbox)"
    fi
    for display in "$@"; do
        answers "$display" || exit 1
        manage "$display" || exit 1
    done
    sleep 0.1
    ;;
stop)
    for display in "$@"; do
        end "$(wmpidfile "$display")"
        end "$(pidfile "$display")"
    done
    ;;
esac
exit 0
