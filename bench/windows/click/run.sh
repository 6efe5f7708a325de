#!/bin/bash
# Runs the click benchmark of a Windows build tree under Wine, the wineserver and the program
# pinned to processor 0, then counts the wineserver requests of 200 clicks each way (a run
# with 200 clicks against one with none, so start-up and set-up cancel out).
# Usage: bench/windows/click/run.sh <build tree>
set -euo pipefail
here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
source "$here/../../../tools/wine-env.sh"
tree=$(realpath "$1")
program=$tree/bench/windows/click/click_bench.exe
vandro_wine_env "$tree/wineprefix"
unset DISPLAY

vandro_wine_stop "$WINEPREFIX"
taskset -c 0 "$VANDRO_WINE64" "$program"

source "$here/../requests.sh"
compare_requests click 200 toolkit bare
