#!/bin/bash
# Creates a Wine prefix for running Vandro's Windows programs, headless or on a display.
# Usage: tools/wine-prefix.sh <dir>. Does nothing when <dir> is already a finished prefix;
# concurrent callers wait for the first one.
set -euo pipefail

if [[ $# -ne 1 ]]; then
    echo "usage: $0 <prefix dir>" >&2
    exit 2
fi
here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
source "$here/wine-env.sh"

prefix=$(realpath -m "$1")
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
if [[ -f $prefix/$VANDRO_WINE_READY ]]; then
    exit 0
fi

echo "Creating the Wine prefix $prefix" >&2
started=$SECONDS
vandro_wine_env "$prefix"
unset DISPLAY

# Wine's processes must not inherit the lock, or the lingering wineserver would keep holding it.
wine() { "$VANDRO_WINE64" "$@" 9>&-; }
reg_add() { wine reg add "$@" /f >/dev/null; }

wine wineboot --init
"$VANDRO_WINESERVER" -w 9>&-
# X11 first, the null driver when there is no display: without it windows cannot be created headless.
reg_add 'HKCU\Software\Wine\Drivers' /v Graphics /d 'x11,null'
# A crash dialog would wait forever for a click.
reg_add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
# Arial falls back to DejaVu Sans, which has every card symbol.
reg_add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    /v Arial /t REG_MULTI_SZ /d 'DejaVuSans.ttf,DejaVu Sans'
# Wine never reads its own font folder (Tahoma, Marlett); the prefix needs copies.
cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/"
"$VANDRO_WINESERVER" -w 9>&-

touch "$prefix/$VANDRO_WINE_READY"
echo "Wine prefix ready after $((SECONDS - started)) s" >&2
