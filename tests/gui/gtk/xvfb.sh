#!/bin/sh
# The private X display of the GTK tests: "start N" runs Xvfb on :N and waits until it answers,
# "stop N" ends the one this script started. Without Xvfb the start reports that and exits 77,
# which ctest counts as skipped, and the tests on that display skip with the reason.
set -u
action=$1
display=$2
pidfile=${TMPDIR:-/tmp}/vandro-xvfb-$display.pid

case $action in
start)
    if ! command -v Xvfb >/dev/null 2>&1; then
        echo "Xvfb is not installed: the GTK tests need it (apt-get install xvfb)"
        exit 77
    fi
    if [ -f "$pidfile" ] && kill -0 "$(cat "$pidfile")" 2>/dev/null; then
        kill "$(cat "$pidfile")"
        sleep 0.2
    fi
    rm -f "/tmp/.X$display-lock" "/tmp/.X11-unix/X$display" 2>/dev/null
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    echo $! >"$pidfile"
    tries=0
    while ! xdpyinfo -display ":$display" >/dev/null 2>&1 && ! [ -S "/tmp/.X11-unix/X$display" ]; do
        tries=$((tries + 1))
        if [ $tries -gt 100 ]; then
            echo "Xvfb :$display did not start"
            exit 1
        fi
        sleep 0.05
    done
    sleep 0.1
    echo "Xvfb :$display is running (pid $(cat "$pidfile"))"
    ;;
stop)
    if [ -f "$pidfile" ]; then
        kill "$(cat "$pidfile")" 2>/dev/null
        rm -f "$pidfile"
    fi
    ;;
esac
exit 0
