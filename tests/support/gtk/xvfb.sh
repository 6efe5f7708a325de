#!/bin/sh
# The private X displays of the GTK tests: "start N..." runs Xvfb on each :N and waits until they
# answer, "stop N..." ends the ones this script started. Without Xvfb the start reports that and
# exits 77, which ctest counts as skipped, and the tests on those displays skip with the reason.
set -u
action=$1
shift

pidfile() { echo "${TMPDIR:-/tmp}/vandro-xvfb-$1.pid"; }

start() {
    display=$1
    pids=$(pidfile "$display")
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

case $action in
start)
    if ! command -v Xvfb >/dev/null 2>&1; then
        echo "Xvfb is not installed: the GTK tests need it (apt-get install xvfb)"
        exit 77
    fi
    for display in "$@"; do
        start "$display"
    done
    for display in "$@"; do
        answers "$display" || exit 1
    done
    sleep 0.1
    ;;
stop)
    for display in "$@"; do
        pids=$(pidfile "$display")
        if [ -f "$pids" ]; then
            kill "$(cat "$pids")" 2>/dev/null
            rm -f "$pids"
        fi
    done
    ;;
esac
exit 0
