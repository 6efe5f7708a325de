# Sourced by tools/test and tools/launch.sh: installs the Debian packages Vandro needs, when
# missing.
# shellcheck disable=SC2034  # the variables are for the scripts that source this file

# Building the native tree on GTK 3 and the Windows tree for Wine, and running either on a
# display or on a private Xvfb one.
# python3 draws the Windows program's icon at build time. GoogleTest comes built for Linux
# (libgtest-dev) and as sources, which the Windows tree compiles (googletest).
VANDRO_PLAY_PACKAGES=(cmake make pkg-config g++ googletest libgtest-dev libgtk-3-dev
                      g++-mingw-w64-x86-64 wine64 fonts-wine fonts-dejavu-core xvfb xauth python3)
# Everything tools/test builds and runs: also the native, sanitizer, benchmark and fuzz trees.
# Not fonts-liberation: its Arial lacks most card symbols and would shadow DejaVu Sans in Wine.
# xdotool, XTest and ImageMagick drive and capture the native windows under Xvfb; openbox manages
# the tests' Xvfb displays, so that frames, placement, minimising and maximising are real.
# dpkg-dev (dpkg-shlibdeps) lets cpack make the Debian package; desktop-file-utils and lintian
# check it. WebKitGTK is loaded at run time by the HTML view only, which the game has none of.
# The accessibility tests read the windows over AT-SPI in a D-Bus session of their own. appstream
# validates the package's metadata; wixl makes the Windows installer and msitools reads it back.
# The soak reads the X server's resources for the game with libXRes.
VANDRO_TEST_PACKAGES=("${VANDRO_PLAY_PACKAGES[@]}" libbenchmark-dev clang
                      libclang-rt-14-dev xdotool libxtst-dev imagemagick openbox dpkg-dev
                      desktop-file-utils lintian libwebkit2gtk-4.1-0 at-spi2-core
                      libatspi2.0-dev dbus appstream wixl msitools libxres-dev)

# The web tree: emscripten builds it (with Debian's Node.js, which also serves the site), and
# the tests drive Chromium, Firefox ESR and WebKit (WebKitWebDriver) with puppeteer-core from
# npm (package.json).
VANDRO_WEB_PACKAGES=(emscripten nodejs)
VANDRO_TEST_PACKAGES+=("${VANDRO_WEB_PACKAGES[@]}" chromium firefox-esr webkit2gtk-driver)

# vandro_install_node_packages: npm installs package.json's packages into node_modules when they
# are missing (and npm itself from Debian when there is none).
vandro_install_node_packages() {
    if [[ -d node_modules/puppeteer-core ]]; then
        return 0
    fi
    if ! command -v npm >/dev/null; then
        vandro_install_packages npm || return
    fi
    npm ci --no-audit --no-fund
}

# vandro_install_packages <package...>: apt-get installs those not installed yet (sudo unless root).
vandro_install_packages() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    local as_root=()
    if ((EUID != 0)); then
        as_root=(sudo)
    fi
    echo "Installing ${missing[*]}"
    "${as_root[@]}" apt-get update &&
        "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y --no-install-recommends "${missing[@]}"
}
