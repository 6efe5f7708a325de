#!/bin/sh
# `cmake --install` of the GTK tree into a scratch prefix puts the game, its desktop entry and
# its icon where desktops look for them, and the entry starts that game with that icon.
set -eu
tree=$1
prefix=$2
rm -rf "$prefix"
cmake --install "$tree" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/vandro"
entry=$prefix/share/applications/vandro.desktop
icon=$prefix/share/icons/hicolor/scalable/apps/vandro.svg
grep -qx 'Exec=vandro' "$entry"
grep -qx 'Icon=vandro' "$entry"
grep -qx 'Type=Application' "$entry"
grep -q '<svg ' "$icon"
echo "installed: $prefix/bin/vandro, $entry, $icon"
