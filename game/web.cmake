# The game's page, a site a player can keep: the page with the program's script inside, the
# program's WebAssembly, its icons, a web app manifest and a service worker that keeps it all for
# playing offline, gathered in build/web/site (tools/play --web serves it).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(VANDRO_SITE ${CMAKE_BINARY_DIR}/site)
set(vandro_icons ${CMAKE_CURRENT_BINARY_DIR}/icons)

add_custom_command(OUTPUT ${vandro_icons}/192x192/apps/vandro.png
                          ${vandro_icons}/512x512/apps/vandro.png
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/icon/card_icon.py --png
            ${vandro_icons} 192 512
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/icon/card_icon.py
    COMMENT "Drawing the page's icons"
    VERBATIM)

# The program only ever waits in its main loop, so only the functions on the way from main to the
# system driver's wait (waiting-path.txt, whether the optimiser inlines them or not: it warns of
# those it did) are made able to unwind and rewind: the rest runs as plain WebAssembly, half the
# size and quicker. A wait reached on another way (a message box, a pop-up menu) breaks the
# program at run time unless its callers are added there.
target_link_options(vandro PRIVATE
    "SHELL:-sASYNCIFY_ONLY=@${CMAKE_CURRENT_SOURCE_DIR}/web/waiting-path.txt")
# The game makes windows with menus, buttons and labels, and nothing else.
vandro_web_kinds(vandro ClassWindow ClassButton ClassLabel ClassMenu)
# The game keeps no files: without emscripten's file system its script is a quarter smaller and
# starts without building one (its file requesters, which it never shows, answer as cancelled).
target_link_options(vandro PRIVATE -sFILESYSTEM=0)
set_property(TARGET vandro APPEND PROPERTY LINK_DEPENDS
             ${CMAKE_CURRENT_SOURCE_DIR}/web/waiting-path.txt)

# The page carries the program's script.
add_custom_command(OUTPUT ${VANDRO_SITE}/index.html
    COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_CURRENT_SOURCE_DIR}/web/index.html
            -DSCRIPT=$<TARGET_FILE:vandro> -DOUT=${VANDRO_SITE}/index.html
            -P ${CMAKE_CURRENT_SOURCE_DIR}/web/inline.cmake
    DEPENDS vandro ${CMAKE_CURRENT_SOURCE_DIR}/web/index.html
            ${CMAKE_CURRENT_SOURCE_DIR}/web/inline.cmake
    VERBATIM)

# The service worker's cache is named after the program it keeps, so that a new build replaces
# what a player kept.
add_custom_command(OUTPUT ${VANDRO_SITE}/sw.js
    COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_CURRENT_SOURCE_DIR}/web/sw.js.in
            -DOUT=${VANDRO_SITE}/sw.js
            -DSTAMP_OF=${VANDRO_SITE}/index.html|$<TARGET_FILE_DIR:vandro>/vandro.wasm
            -P ${CMAKE_CURRENT_SOURCE_DIR}/web/stamp.cmake
    DEPENDS vandro ${VANDRO_SITE}/index.html ${CMAKE_CURRENT_SOURCE_DIR}/web/sw.js.in
            ${CMAKE_CURRENT_SOURCE_DIR}/web/stamp.cmake
    VERBATIM)

add_custom_target(vandro_site ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VANDRO_SITE}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            $<TARGET_FILE_DIR:vandro>/vandro.wasm
            ${CMAKE_CURRENT_SOURCE_DIR}/web/vandro.webmanifest
            ${PROJECT_SOURCE_DIR}/packaging/vandro.svg
            ${VANDRO_SITE}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${vandro_icons}/192x192/apps/vandro.png
            ${VANDRO_SITE}/vandro-192.png
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${vandro_icons}/512x512/apps/vandro.png
            ${VANDRO_SITE}/vandro-512.png
    DEPENDS vandro ${VANDRO_SITE}/index.html ${VANDRO_SITE}/sw.js
            ${vandro_icons}/192x192/apps/vandro.png ${vandro_icons}/512x512/apps/vandro.png
            ${CMAKE_CURRENT_SOURCE_DIR}/web/vandro.webmanifest
    COMMENT "Gathering the game's site in ${VANDRO_SITE}"
    VERBATIM)
set_target_properties(vandro_site PROPERTIES VANDRO_SITE_DIR ${VANDRO_SITE})
