#!/bin/bash
# The board benchmark of a Windows build tree at 96 and at 192 DPI, in the tree's DPI prefix
# (the one cmake/wine-run.sh keeps for VANDRO_WINE_DPI), the program and the wineserver pinned
# to processor 0: start-up and peak working set (median of five starts), the 11 x 10 rebuild
# timed beside the plain Win32 board, and the wineserver requests of 20 rebuilds; then the
# ratios of 192 to 96 DPI.
# Usage: bench/windows/board/dpi.sh <build tree>
set -euo pipefail
here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
source "$here/../requests.sh"
tree=$(realpath "$1")
program=$tree/bench/windows/board/board_bench.exe
cmake --build "$tree" --target board_bench >/dev/null
prefix=$tree/wineprefix-dpi
[[ -f $prefix/$VANDRO_WINE_READY ]] || "$here/../../../tools/wine-prefix.sh" "$prefix"
vandro_wine_env "$prefix"
unset DISPLAY
# The tests that run at a resolution of their own take turns with this.
exec 8>"$prefix.dpi-lock"
flock 8

declare -A started peak toolkit rebuild requested
for dpi in 96 192; do
    vandro_wine_stop "$WINEPREFIX"
    "$VANDRO_WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" \
        /f >/dev/null 8>&-
    vandro_wine_stop "$WINEPREFIX"
    taskset -c 0 "$VANDRO_WINE64" "$program" start toolkit >/dev/null 8>&-
    line=$(for run in 1 2 3 4 5; do
        taskset -c 0 "$VANDRO_WINE64" "$program" start toolkit 8>&-
    done | sort -t' ' -k2 -n | sed -n 3p)
    echo "$dpi DPI: median $line"
    started[$dpi]=$(awk '{ print $2 }' <<<"$line")
    peak[$dpi]=$(awk '{ print $7 }' <<<"$line")
    line=$(taskset -c 0 "$VANDRO_WINE64" "$program" 8>&- | grep '^rebuild')
    echo "$dpi DPI: $line"
    toolkit[$dpi]=$(awk '{ print $6 }' <<<"$line")
    rebuild[$dpi]=$(awk '{ print $6 / $9 }' <<<"$line")
    base=$(requests toolkit 0 8>&-)
    with=$(requests toolkit 20 8>&-)
    requested[$dpi]=$(((with - base) / 20))
    echo "$dpi DPI: wineserver requests per rebuild ${requested[$dpi]}"
done
"$VANDRO_WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f \
    >/dev/null 8>&-
vandro_wine_stop "$WINEPREFIX"
awk -v s96="${started[96]}" -v s192="${started[192]}" -v p96="${peak[96]}" \
    -v p192="${peak[192]}" -v r96="${rebuild[96]}" -v r192="${rebuild[192]}" \
    -v t96="${toolkit[96]}" -v t192="${toolkit[192]}" \
    -v q96="${requested[96]}" -v q192="${requested[192]}" 'BEGIN {
        printf "192 / 96 DPI: start-up %.2f, peak working set %.2f\n", s192 / s96, p192 / p96
        printf "192 / 96 DPI: rebuild 11 x 10 %.2f, each against the plain board %.2f\n",
               t192 / t96, r192 / r96
        printf "192 / 96 DPI: wineserver requests per rebuild %.2f\n", q192 / q96
    }'
