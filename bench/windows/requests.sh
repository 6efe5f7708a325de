# Sourced by the Windows benchmarks' run.sh: sets up a build tree's Wine prefix for a benchmark
# program, and counts the wineserver requests of an operation, a fresh server and the program
# pinned to processor 0, as the difference between a run that repeats it and one that does not,
# so start-up and set-up cancel out.
source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/../../tools/wine-env.sh"

# bench_setup <build tree> <program in the tree>: builds the program, then the tree's prefix,
# headless, with no server left running; sets `program`.
bench_setup() {
    local tree
    tree=$(realpath "$1")
    program=$tree/$2
    cmake --build "$tree" --target "$(basename "$2" .exe)" >/dev/null
    vandro_wine_env "$tree/wineprefix"
    unset DISPLAY
    vandro_wine_stop "$WINEPREFIX"
}

# requests <kind> <count>: the requests of one run of the program (a reply line carries " = ").
requests() {
    vandro_wine_stop "$WINEPREFIX"
    WINEDEBUG=+server taskset -c 0 "$VANDRO_WINE64" "$program" "$1" "$2" 2>&1 >/dev/null |
        grep -E '^[0-9a-f]{4}: [a-z_]+\(' | grep -vc ' = ' || true
}

# compare_requests <operation> <count> <ours> <theirs>: the requests per operation of each
# kind of the program, then their ratio.
compare_requests() {
    local operation=$1 count=$2 kind base with
    local -A per
    for kind in "$3" "$4"; do
        base=$(requests "$kind" 0)
        with=$(requests "$kind" "$count")
        per[$kind]=$((with - base))
        awk -v k="$kind" -v d="${per[$kind]}" -v n="$count" -v o="$operation" \
            'BEGIN { printf "wineserver requests per %s, %-8s %9.2f\n", o, k, d / n }'
    done
    awk -v a="${per[$3]}" -v b="${per[$4]}" -v x="$3" -v y="$4" \
        'BEGIN { printf "ratio of requests %s / %s %9.2f\n", x, y, (b ? a / b : 0) }'
    vandro_wine_stop "$WINEPREFIX"
}
