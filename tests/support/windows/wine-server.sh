#!/bin/bash
# The wineservers of the Windows tests: "start <prefix>..." makes each prefix when it is missing and
# keeps one server running in it; "stop <prefix>..." ends them. Debian's wineserver ends as soon as
# its last program has, so without a server kept for the run every test program starts one, and a
# program that connects while the previous one's server is going away can fail before it runs.
set -euo pipefail
here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
source "$here/../../../tools/wine-env.sh"

action=$1
shift
for prefix in "$@"; do
    case $action in
    start)
        "$here/../../../tools/wine-prefix.sh" "$prefix"
        (
            vandro_wine_env "$prefix"
            # A server that would end with its last program makes way for one that stays until
            # killed (-p), and that does not hold ctest's output open.
            "$VANDRO_WINESERVER" -k 2>/dev/null || true
            "$VANDRO_WINESERVER" -w
            "$VANDRO_WINESERVER" -p </dev/null >/dev/null 2>&1
        )
        echo "wineserver kept running for $prefix"
        ;;
    stop)
        vandro_wine_stop "$prefix"
        ;;
    esac
done
