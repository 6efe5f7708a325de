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

# The wineserver traces each request it gets (a reply line carries " = "); a fresh server
# writes to this run's error output.
requests() {
    vandro_wine_stop "$WINEPREFIX"
    WINEDEBUG=+server taskset -c 0 "$VANDRO_WINE64" "$program" "$1" "$2" 2>&1 >/dev/null |
        grep -E '^[0-9a-f]{4}: [a-z_]+\(' | grep -vc ' = ' || true
}
clicks=200
for kind in toolkit bare; do
    base=$(requests "$kind" 0)
    with=$(requests "$kind" "$clicks")
    awk -v k="$kind" -v a="$base" -v b="$with" -v n="$clicks" \
        'BEGIN { printf "wineserver requests per click, %-8s %8.2f\n", k, (b - a) / n }'
    eval "${kind}_base=$base ${kind}_with=$with"
done
awk -v tb="$toolkit_base" -v tw="$toolkit_with" -v bb="$bare_base" -v bw="$bare_with" \
    'BEGIN { t = tw - tb; b = bw - bb; printf "ratio of requests toolkit / bare        %8.2f\n", (b ? t / b : 0) }'
vandro_wine_stop "$WINEPREFIX"
