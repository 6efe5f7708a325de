# Sourced by tools/play and tools/gallery: builds one program of the toolkit and starts it, on
# Linux the native build on GTK 3, with --windows the Windows build under Wine, with --web the
# program's site, served on 127.0.0.1. It runs on this X display, or on a private Xvfb display
# when there is none. Installs missing Debian packages first.

# vandro_launch <script> <folder/target> [--windows | --web]: the program is built as <target>
# and lies in <folder> of the build tree.
vandro_launch() {
    local script=$1 program=$2 platform=gtk
    shift 2
    case ${1:-} in
    --windows) platform=windows ;;
    --web) platform=web ;;
    '') ;;
    *)
        echo "usage: tools/$script [--windows | --web]" >&2
        exit 2
        ;;
    esac
    source tools/deps.sh
    if [[ $platform == web ]]; then
        vandro_install_packages "${VANDRO_WEB_PACKAGES[@]}" cmake make python3
    else
        vandro_install_packages "${VANDRO_PLAY_PACKAGES[@]}"
    fi
    "vandro_launch_$platform" "$script" "$program"
}

# step <script> <what> <command...>: prints one line for the step and keeps the command's output
# in a log under build/, shown by name only when the step fails.
step() {
    local script=$1 what=$2 log
    shift 2
    mkdir -p build
    log=build/$script-$(tr ' ' '-' <<<"$what").log
    echo "tools/$script: $what"
    if ! "$@" >"$log" 2>&1; then
        echo "tools/$script: $what failed; its output is in $log" >&2
        tail -n 20 "$log" >&2
        exit 1
    fi
}

# with_display <command...>: runs the command with DISPLAY set, starting a private Xvfb for it
# when there is no display, and stopping that again afterwards.
with_display() {
    local xvfb='' number status=0
    if [[ -z ${DISPLAY:-} ]]; then
        number=$(mktemp)
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$number" &
        xvfb=$!
        while [[ ! -s $number ]] && kill -0 "$xvfb" 2>/dev/null; do
            sleep 0.1
        done
        DISPLAY=:$(<"$number")
        rm -f "$number"
        if [[ $DISPLAY == : ]]; then
            echo "Xvfb did not start" >&2
            return 1
        fi
        export DISPLAY
        echo "No DISPLAY: it runs on the virtual display $DISPLAY"
    fi
    "$@" || status=$?
    if [[ -n $xvfb ]]; then
        kill "$xvfb"
        wait "$xvfb" 2>/dev/null || true
    fi
    return $status
}

vandro_launch_gtk() {
    local script=$1 program=$2
    step "$script" "configuring the native tree" cmake --preset native
    step "$script" "building ${program##*/}" cmake --build --preset native --target "${program##*/}"
    with_display "build/native/$program"
}

run_wine() { VANDRO_WINE_DISPLAY=$DISPLAY cmake/wine-run.sh "$1"; }

vandro_launch_windows() {
    source tools/wine-env.sh
    local script=$1 program=$2 prefix=$PWD/build/windows/wineprefix status=0
    step "$script" "configuring the Windows tree" cmake --preset windows
    step "$script" "building ${program##*/}.exe" \
        cmake --build --preset windows --target "${program##*/}"
    # A wineserver that served headless tests must not serve a display: stopped before and
    # after.
    vandro_wine_stop "$prefix"
    with_display run_wine "build/windows/$program.exe" || status=$?
    vandro_wine_stop "$prefix"
    return $status
}

# The program's site (the game's in build/web/site, the gallery's in build/web/gallery/site),
# served on 127.0.0.1 until stopped, and opened in the desktop's browser where there is a display
# to show it on.
vandro_launch_web() {
    local script=$1 program=$2 site=build/web/site port=8642
    if [[ $program != game/vandro ]]; then
        site=build/web/${program%/*}/site
        port=8643
    fi
    step "$script" "configuring the web tree" cmake --preset web
    step "$script" "building the ${program##*/} site" \
        cmake --build --preset web --target "${program##*/}_site"
    if [[ -n ${DISPLAY:-} ]] && command -v xdg-open >/dev/null; then
        node tests/support/web/serve.mjs "$site" "$port" &
        local server=$!
        sleep 1
        xdg-open "http://127.0.0.1:$port/" >/dev/null 2>&1 || true
        wait "$server"
    else
        exec node tests/support/web/serve.mjs "$site" "$port"
    fi
}
