#!/bin/bash
# Runs the board benchmark of a Windows build tree under Wine with the program and the
# wineserver pinned to processor 0: the timings, start-up and peak working set (median of five
# starts each), then the wineserver requests of 20 rebuilds of the 11 x 10 board each way (a
# run with 20 rebuilds against one with none, so start-up cancels out).
# Usage: bench/windows/board/run.sh <build tree>
set -euo pipefail
here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
source "$here/../requests.sh"
bench_setup "$1" bench/windows/board/board_bench.exe
taskset -c 0 "$VANDRO_WINE64" "$program"

# The server stays up between starts, as it would for a user who starts the game again.
for kind in toolkit plain; do
    for run in 1 2 3 4 5; do
        taskset -c 0 "$VANDRO_WINE64" "$program" start "$kind"
    done | sort -t' ' -k2 -n | sed -n 3p | sed "s/^/$kind: median /"
done

compare_requests rebuild 20 toolkit plain
