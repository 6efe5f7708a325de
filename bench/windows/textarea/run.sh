#!/bin/bash
# Runs the text-area benchmark of a Windows build tree under Wine, the wineserver and the program
# pinned to processor 0, then counts the wineserver requests of 1,000 styled ranges each way (a
# run that styles them against one that styles none, so start-up and set-up cancel out).
# Usage: bench/windows/textarea/run.sh <build tree>
set -euo pipefail
here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
source "$here/../requests.sh"
bench_setup "$1" bench/windows/textarea/textarea_bench.exe
taskset -c 0 "$VANDRO_WINE64" "$program"

compare_requests "styled range" 1000 toolkit bare
