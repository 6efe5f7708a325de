# Sourced: the Wine settings every Vandro script uses, kept in one place.
# shellcheck disable=SC2034  # the variables are for the scripts that source this file

VANDRO_WINE64=/usr/lib/wine/wine64
VANDRO_WINESERVER=/usr/lib/wine/wineserver
# Written last by wine-prefix.sh: a prefix without it is not finished.
VANDRO_WINE_READY=.vandro-prefix-ready

# vandro_wine_env <prefix>: exports the environment for running programs in that prefix
# (no Mono or Gecko installer prompts, no sound driver, no debug chatter).
vandro_wine_env() {
    export WINEPREFIX=$1
    export WINEARCH=win64
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv=d"
}

# vandro_wine_stop <prefix>: stops that prefix's wineserver, if one runs.
vandro_wine_stop() {
    [[ -d $1 ]] || return 0
    (vandro_wine_env "$1" && "$VANDRO_WINESERVER" -k 2>/dev/null) || true
}
