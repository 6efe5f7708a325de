#!/bin/bash
# Runs a Windows program of a build tree under Wine: cmake/wine-run.sh <program.exe> [args...]
# This is the Windows tree's CMAKE_CROSSCOMPILING_EMULATOR, so ctest runs every test through it.
#
# The prefix is <build tree>/wineprefix, the build tree being the nearest folder above the program
# that holds a CMakeCache.txt; VANDRO_WINEPREFIX overrides that. A missing prefix is created first.
# Programs run headless (the null graphics driver) unless VANDRO_WINE_DISPLAY names an X display.
# VANDRO_WINE_CPU=<n> runs the program (and a wineserver it starts) on that one CPU: wineserver
# round trips are several times faster that way, which steadies timing measurements.
# VANDRO_WINE_DPI=<n> runs it at that screen resolution, in the tree's second prefix (the
# prefix's name with -dpi added), which only such runs use: Wine takes the resolution from the
# prefix's settings when a program starts, so these runs take turns.
# The program's exit code is this script's; its standard error comes after it has ended.
set -euo pipefail

here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
source "$here/../tools/wine-env.sh"

if [[ $# -lt 1 ]]; then
    echo "usage: $0 <program.exe> [args...]" >&2
    exit 2
fi

prefix=${VANDRO_WINEPREFIX:-}
if [[ -z $prefix ]]; then
    tree=$(dirname "$(readlink -f "$1")")
    while [[ $tree != / && ! -f $tree/CMakeCache.txt ]]; do
        tree=$(dirname "$tree")
    done
    if [[ ! -f $tree/CMakeCache.txt ]]; then
        echo "$0: $1 is not inside a build tree; set VANDRO_WINEPREFIX" >&2
        exit 2
    fi
    prefix=$tree/wineprefix
fi

if [[ -n ${VANDRO_WINE_DPI:-} ]]; then
    prefix=$prefix-dpi
fi
if [[ ! -f $prefix/$VANDRO_WINE_READY ]]; then
    "$here/../tools/wine-prefix.sh" "$prefix"
fi

vandro_wine_env "$prefix"
if [[ -n ${VANDRO_WINE_DISPLAY:-} ]]; then
    export DISPLAY=$VANDRO_WINE_DISPLAY
else
    unset DISPLAY
fi
if [[ -n ${VANDRO_WINE_DPI:-} ]]; then
    # Held until this script ends; Wine's processes must not inherit it.
    exec 8>"$prefix.dpi-lock"
    flock 8
fi
run=("$VANDRO_WINE64" "$@")
if [[ -n ${VANDRO_WINE_CPU:-} ]]; then
    run=(taskset -c "$VANDRO_WINE_CPU" "${run[@]}")
fi

# run_once: sets the resolution where one is asked for, then runs the program; its status.
run_once() {
    if [[ -n ${VANDRO_WINE_DPI:-} ]]; then
        "$VANDRO_WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
            /d "$VANDRO_WINE_DPI" /f >/dev/null 8>&- || return
    fi
    "${run[@]}" 8>&-
}

# A wineserver that is going away after its last client, just as this program connects, refuses
# it with "wine client error", or the start fails without a word before the program has run:
# then it runs again (a silent failure once, as a program that printed nothing did not start).
errors=$(mktemp)
output=$(mktemp)
trap 'rm -f "$errors" "$output"' EXIT
for attempt in 1 2 3; do
    set +e
    run_once 2>"$errors" | tee "$output"
    status=${PIPESTATUS[0]}
    set -e
    cat "$errors" >&2
    if ((status == 0)); then
        break
    elif grep -q '^wine client error' "$errors"; then
        sleep 1
    elif ((attempt == 1)) && [[ ! -s $output && ! -s $errors ]]; then
        echo "$0: $(basename "$1") ended with status $status before printing anything; run again" >&2
    else
        break
    fi
done
# A test case that fails without a word says at least how it ended.
if ((status != 0)); then
    echo "$0: $(basename "$1") ended with status $status" >&2
fi
exit $status
