#!/bin/sh
# ctest's emulator in the web tree: a program on the web platform runs in a page of a real
# browser (tests/support/web/run-in-browser.mjs), any other under Node.js.
if grep -q vandro_dom_start "$1"; then
    exec node "$(dirname "$0")/../tests/support/web/run-in-browser.mjs" "$@"
fi
exec node "$@"
