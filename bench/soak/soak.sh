#!/bin/bash
# The soak, run by hand (an hour or two; no test runs it): the game played
# for 10,000 new boards and 10,000 card presses in one process on the headless platform, on GTK
# under a private Xvfb display with openbox, and on Win32 under Wine with the program and its
# wineserver on one processor (VANDRO_WINE_CPU, 0 unless set). Each program prints a line every
# 1,000 steps; this prints them, then per figure its first, middle and last value after the
# first 1,000 steps (the warm-up) and its growth per 1,000 steps from there. Any growth is a
# leak to find, or the platform's cache, shown to level off.
# The platforms' figures: headless, the heap in use (mallinfo2) and the resident set; GTK, the
# driver's live widgets, then from outside (xres_reader) the X server's clients, windows,
# pixmaps, GCs and pixmap bytes for the process, as xrestop reads them, and its resident set;
# Win32, the driver's GDI objects and windows held, then from outside (gui_resources.exe) the
# GDI and USER objects (0 under Wine, which does not count them), the process's windows, its
# kernel handles and its working set. At the end it stops the Windows tree's wineserver, as the
# Windows benchmarks do: run it while no tests use that tree.
# Usage: bench/soak/soak.sh [native tree] [windows tree] [steps]
#        (build each tree's target benches first)
set -euo pipefail
root=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/../..
native=$(realpath "${1:-$root/build/native}")
windows=$(realpath "${2:-$root/build/windows}")
steps=${3:-10000}
out=$(mktemp -d)
display=${VANDRO_SOAK_DISPLAY:-$((RANDOM % 400 + 500))}
trap '"$root/tests/support/gtk/xvfb.sh" stop "$display" >/dev/null; rm -rf "$out"' EXIT

# summary <output>: per kind of step and figure, the first, middle and last readings from the
# 1,000th step on, and the growth per 1,000 steps over them all and over the second half (a
# cache that fills up early grows in the first half only).
summary() {
    awk 'function growth(kind, from, to, i) {
             return to > from ? (v[kind, to, i] - v[kind, from, i]) * 1000 / (step[kind, to] - step[kind, from]) : 0
         }
         NR == 1 { for (i = 3; i <= NF; ++i) name[i] = $i; next }
         $2 >= 1000 { n = ++count[$1]; step[$1, n] = $2; for (i = 3; i <= NF; ++i) v[$1, n, i] = $i; fields = NF }
         END {
             split("rebuilds presses", kinds)
             for (k = 1; k <= 2; ++k) {
                 kind = kinds[k]; n = count[kind]; m = int((n + 1) / 2)
                 printf "%s, steps %d / %d / %d:\n", kind, step[kind, 1], step[kind, m], step[kind, n]
                 for (i = 3; i <= fields; ++i)
                     printf "  %-16s %12s %12s %12s   per 1,000: %+9.1f, second half %+9.1f\n",
                            name[i], v[kind, 1, i], v[kind, m, i], v[kind, n, i],
                            growth(kind, 1, n, i), growth(kind, m, n, i)
             }
         }' "$1"
}

# run <name> <command...>: runs one platform's soak and prints its curves and summary.
run() {
    local name=$1
    shift
    echo "== $name"
    "$@" | tee "$out/$name"
    summary "$out/$name"
}

# Without glibc's per-thread cache of freed blocks, which the heap figure counts as in use and
# which fills up over the first few thousand steps.
GLIBC_TUNABLES=glibc.malloc.tcache_count=0 run headless "$native/bench/soak/soak_headless" "$steps"

"$root/tests/support/gtk/xvfb.sh" start "$display" >/dev/null
DISPLAY=:$display GDK_BACKEND=x11 NO_AT_BRIDGE=1 run gtk "$native/bench/soak/soak_gtk" "$steps"

source "$root/tools/wine-env.sh"
VANDRO_WINE_CPU=${VANDRO_WINE_CPU:-0} \
    run windows "$root/cmake/wine-run.sh" "$windows/bench/soak/soak_windows.exe" "$steps"
vandro_wine_stop "$windows/wineprefix"
