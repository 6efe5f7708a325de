#!/bin/sh
# `cpack -G DEB` in the GTK tree, as a player runs it, makes a Debian package that holds exactly
# the game where Debian keeps games, its desktop entry, its icon as SVG and in each size, its
# AppStream metadata, manual page, copyright and changelog, all of the project's version; it
# declares the libraries the game needs, and lintian finds no error in it.
# Usage: package_check.sh <tree> <scratch dir> <version>
set -eu
tree=$1
scratch=$2
version=$3
rm -rf "$scratch"
mkdir -p "$scratch"
if ! (cd "$tree" && cpack -G DEB -B "$scratch") >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    exit 1
fi
deb=$(echo "$scratch"/vandro_*_"$(dpkg --print-architecture)".deb)
root=$scratch/root

fail() {
    echo "$*" >&2
    exit 1
}

# expect <what> <expected> <actual>
expect() {
    [ "$2" = "$3" ] || fail "$1: expected '$2', got '$3'"
}

expect "control fields" "Package: vandro
Section: games
Version: $version" "$(dpkg-deb --field "$deb" Package Section Version)"
# The packages of the libraries the game links, without their versions (Xlib for the window
# manager's frame extents).
expect "dependencies" "libatk1.0-0
libc6
libcairo2
libgcc-s1
libgdk-pixbuf-2.0-0
libglib2.0-0
libgtk-3-0
libpango-1.0-0
libpangocairo-1.0-0
libstdc++6
libx11-6" "$(dpkg-deb --field "$deb" Depends | sed 's/ ([^)]*)//g' | tr -d ' ' | tr ',' '\n')"

dpkg-deb --extract "$deb" "$root"
expect "files" "./usr/games/vandro
./usr/share/applications/vandro.desktop
./usr/share/doc/vandro/changelog.gz
./usr/share/doc/vandro/copyright
./usr/share/icons/hicolor/128x128/apps/vandro.png
./usr/share/icons/hicolor/16x16/apps/vandro.png
./usr/share/icons/hicolor/256x256/apps/vandro.png
./usr/share/icons/hicolor/32x32/apps/vandro.png
./usr/share/icons/hicolor/48x48/apps/vandro.png
./usr/share/icons/hicolor/64x64/apps/vandro.png
./usr/share/icons/hicolor/scalable/apps/vandro.svg
./usr/share/man/man6/vandro.6.gz
./usr/share/metainfo/example.vandro.Vandro.metainfo.xml" \
    "$(cd "$root" && find . ! -type d | LC_ALL=C sort)"
test -x "$root/usr/games/vandro" || fail "usr/games/vandro is not executable"
changelog=$root/usr/share/doc/vandro/changelog.gz
expect "changelog version" "$version" "$(zcat "$changelog" | dpkg-parsechangelog -l - -S Version)"
metainfo=$root/usr/share/metainfo/example.vandro.Vandro.metainfo.xml
expect "metainfo release" "$version" \
    "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo")"
expect "metainfo launcher" "vandro.desktop" \
    "$(sed -n 's/.*<launchable type="desktop-id">\([^<]*\)<.*/\1/p' "$metainfo")"

entry=$root/usr/share/applications/vandro.desktop
desktop-file-validate "$entry"
expect "desktop entry" "Exec=vandro
Icon=vandro" "$(grep -E '^(Exec|Icon)=' "$entry")"
icons=$root/usr/share/icons/hicolor
for size in 16 32 48 64 128 256; do
    expect "icon $size" "PNG ${size}x$size srgba" \
        "$(identify -format '%m %wx%h %[channels]' "$icons/${size}x$size/apps/vandro.png")"
done
grep -q '<svg ' "$icons/scalable/apps/vandro.svg" || fail "the scalable icon is no SVG"

# lintian prints its warnings too; only errors fail.
lintian --allow-root --fail-on error "$deb"
echo "package: $deb"
