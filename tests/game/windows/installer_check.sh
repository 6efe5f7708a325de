#!/bin/bash
# The Windows installer as a player meets it, in the tree's Wine prefix: `msiexec /i` puts the
# game in its own folder under Program Files, a shortcut in the Start menu and one entry among the
# installed programs, all of the project's version, and the installed game shows its window and
# ends when told; a higher version installed over it replaces it in place; `msiexec /x` then
# leaves the folders and the list of installed programs as they were before.
# Usage: installer_check.sh <tree> <installer> <wxs> <version> <scratch dir>
set -euo pipefail
tree=$1
msi=$2
wxs=$3
version=$4
scratch=$5
here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
source "$here/../../../tools/wine-env.sh"

rm -rf "$scratch"
mkdir -p "$scratch"
prefix=$tree/wineprefix
vandro_wine_env "$prefix"
unset DISPLAY
# The shortcut stays in the prefix: no menu entry on the Linux desktop.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
wine() { "$VANDRO_WINE64" "$@" 2>>"$scratch/wine.log"; }
windows_path() { echo "Z:${1//\//\\}"; }

fail() {
    echo "$*" >&2
    exit 1
}

# expect <what> <expected> <actual>
expect() {
    [ "$2" = "$3" ] || fail "$1: expected '$2', got '$3'"
}

drive=$prefix/drive_c
folder="$drive/Program Files/Vandro"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# What the installer may touch: the program folders, the Start menus, the installer's cache.
# The installer's cache counts by its contents: Wine makes its folder on the first install.
listing() {
    (cd "$drive" && {
        find "Program Files" "ProgramData/Microsoft/Windows/Start Menu" \
            users/*/AppData/Roaming/Microsoft/Windows/"Start Menu" 2>/dev/null || true
        find windows/Installer -mindepth 1 2>/dev/null || true
    } | LC_ALL=C sort)
}

# The installed programs, one "<key> <name> <version>" a line.
entries() {
    local key
    wine reg query "$uninstall" | tr -d '\r' | { grep '\\Uninstall\\' || true; } |
        while read -r key; do
            echo "${key##*\\} $(value "$key" DisplayName) $(value "$key" DisplayVersion)"
        done
}

# What Windows Installer registers of the installed products and their upgrade codes: the keys
# under each of its lists. A list Wine has not made yet holds nothing, as an empty one does.
registrations() {
    local key
    for key in 'HKLM\Software\Classes\Installer\Products' \
        'HKLM\Software\Classes\Installer\UpgradeCodes' \
        'HKLM\Software\Microsoft\Windows\CurrentVersion\Installer\UserData\S-1-5-18\Products'; do
        wine reg query "$key" | tr -d '\r' | grep '^HKEY_' |
            grep -vixF "HKEY_LOCAL_MACHINE${key#HKLM}" || true
    done
}

# value <key> <name>: a registry value's data.
value() {
    wine reg query "$1" /v "$2" | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}

product_code() {
    msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'
}

# The version resource of a program file: its fixed product version and its "ProductVersion" text.
program_version() {
    python3 - "$1" <<'EOF'
import struct, sys
data = open(sys.argv[1], "rb").read()
fixed = data.index(struct.pack("<I", 0xFEEF04BD))
ms, ls = struct.unpack_from("<II", data, fixed + 16)
key = "ProductVersion\0".encode("utf-16-le")
text = data.index(key) + len(key)
text += (-text) % 4
value = data[text:data.index(b"\0\0", text) + 1].decode("utf-16-le")
print(f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF} {value}")
EOF
}

msiexec() {
    wine msiexec "$1" "$(windows_path "$2")" /qn >>"$scratch/wine.log" ||
        fail "msiexec $1 $(basename "$2") failed"
}

# The prefix's services start with its first program and, under the tree's kept wineserver,
# outlive this script: they must not hold its output open.
wine cmd /c exit </dev/null >/dev/null
before=$(listing)
entries_before=$(entries)
registrations_before=$(registrations)
# A run that fails half way takes its installation away again.
upgrade=$scratch/Vandro-upgrade.msi
trap '[ -f "$folder/vandro.exe" ] && { wine msiexec /x "$(windows_path "$upgrade")" /qn;
      wine msiexec /x "$(windows_path "$msi")" /qn; } >/dev/null 2>&1' EXIT

expect "installer version" "$version" \
    "$(msiinfo export "$msi" Property | tr -d '\r' | sed -n 's/^ProductVersion\t//p')"
# The shortcut points at the program, not at the feature: Wine resolves an advertised one when
# it makes the link, so only the installer's table tells them apart.
expect "shortcut target" "[#vandro.exe]" \
    "$(msiinfo export "$msi" Shortcut | tr -d '\r' | awk -F '\t' '$1 == "StartMenuShortcut" {
        print $5 }')"
msiexec /i "$msi"
expect "installed files" "vandro.exe" "$(ls "$folder")"
expect "program version" "$version.0 $version" "$(program_version "$folder/vandro.exe")"
# Wine keeps a machine-wide install's shortcut in the user's menu.
shortcuts=$(cd "$drive" &&
    ls -d users/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs/Vandro.lnk \
        ProgramData/Microsoft/Windows/"Start Menu"/Programs/Vandro.lnk 2>/dev/null || true)
[ "$(echo "$shortcuts" | grep -c .)" = 1 ] || fail "Start-menu shortcuts: '$shortcuts'"
grep -qa 'Program Files\\Vandro\\vandro.exe' "$drive/$shortcuts" ||
    fail "the shortcut does not start the installed program"
expect "uninstall entry" "$(product_code "$msi") Vandro $version" \
    "$(entries | grep -vxF "$entries_before" || true)"

# The game runs from where it is installed, and its window's close ends it with 0. taskkill
# sends the close to the windows on its own desktop only: the programs of the other tests have
# desktops of their own.
wine 'C:\Program Files\Vandro\vandro.exe' >>"$scratch/wine.log" &
game=$!
for ((tries = 0; tries < 40; ++tries)); do
    sleep 0.5
    kill -0 $game 2>/dev/null || break
    wine taskkill /im vandro.exe >/dev/null || true
done
((tries > 0)) || fail "the installed game ended before it was told"
if kill -0 $game 2>/dev/null; then
    kill $game
    fail "the installed game did not end when told"
fi
status=0
wait $game || status=$?
expect "the installed game's exit code" 0 "$status"

# A higher version, with a program file of its own, replaces the installed one.
IFS=. read -r major minor patch <<<"$version"
higher=$major.$minor.$((patch + 1))
# wixl takes the files' paths relative to where it runs.
mkdir -p "$scratch/upgrade"
cp "$folder/vandro.exe" "$tree/game/vandro.ico" "$scratch/upgrade/"
printf 'upgrade' >>"$scratch/upgrade/vandro.exe"
(cd "$scratch/upgrade" && wixl -a x64 -D Version="$higher" -D Program=vandro.exe \
    -D Icon=vandro.ico -o "$upgrade" "$wxs")
msiexec /i "$upgrade"
expect "upgraded files" "vandro.exe" "$(ls "$folder")"
cmp -s "$scratch/upgrade/vandro.exe" "$folder/vandro.exe" || fail "the upgrade kept the old program"
expect "uninstall entry after the upgrade" "$(product_code "$upgrade") Vandro $higher" \
    "$(entries | grep -vxF "$entries_before" || true)"

msiexec /x "$upgrade"
expect "installed programs after uninstalling" "$entries_before" "$(entries)"
expect "folders after uninstalling" "$before" "$(listing)"
expect "installer registrations after uninstalling" "$registrations_before" "$(registrations)"
echo "installer: $msi"
