#!/bin/bash
# Runs the board benchmark of a Windows build tree under Wine with the program and the
# wineserver pinned to processor 0: the timings, start-up and peak working set (median of five
# starts each), then the wineserver requests of 20 rebuilds of the 11 x 10 board each way (a
# run with 20 rebuilds against one with none, so start-up cancels out).
# Usage: bench/windows/board/run.sh <build tree>
set -euo pipefail
here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
source "$here/../../../tools/wine-env.sh"
tree=$(realpath "$1")
program=$tree/bench/windows/board/board_bench.exe
vandro_wine_env "$tree/wineprefix"
unset DISPLAY

vandro_wine_stop "$WINEPREFIX"
taskset -c 0 "$VANDRO_WINE64" "$program"

# The server stays up between starts, as it would for a user who starts the game again.
for kind in toolkit plain; do
    for run in 1 2 3 4 5; do
        taskset -c 0 "$VANDRO_WINE64" "$program" start "$kind"
    done | sort -t' ' -k2 -n | sed -n 3p | sed "s/^/$kind: median /"
done

requests() {
    vandro_wine_stop "$WINEPREFIX"
    WINEDEBUG=+server taskset -c 0 "$VANDRO_WINE64" "$program" "$1" "$2" 2>&1 >/dev/null |
        grep -E '^[0-9a-f]{4}: [a-z_]+\(' | grep -vc ' = ' || true
}
rebuilds=20
for kind in toolkit plain; do
    base=$(requests "$kind" 0)
    with=$(requests "$kind" "$rebuilds")
    awk -v k="$kind" -v a="$base" -v b="$with" -v n="$rebuilds" \
        'BEGIN { printf "wineserver requests per rebuild, %-8s %9.1f\n", k, (b - a) / n }'
    eval "${kind}_base=$base ${kind}_with=$with"
done
awk -v tb="$toolkit_base" -v tw="$toolkit_with" -v pb="$plain_base" -v pw="$plain_with" \
    'BEGIN { t = tw - tb; p = pw - pb; printf "ratio of requests toolkit / plain    %9.2f\n", (p ? t / p : 0) }'
vandro_wine_stop "$WINEPREFIX"
