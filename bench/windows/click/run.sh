#!/bin/bash
# Runs the click benchmark of a Windows build tree under Wine, the wineserver and the program
# pinned to processor 0, then counts the wineserver requests of 200 clicks each way (a run
# with 200 clicks against one with none, so start-up and set-up cancel out).
# Usage: bench/windows/click/run.sh <build tree>
set -euo pipefail
here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
source "$here/../requests.sh"
bench_setup "$1" bench/windows/click/click_bench.exe
taskset -c 0 "$VANDRO_WINE64" "$program"

compare_requests click 200 toolkit bare
