# The gallery's page: the program and a page around it, gathered in build/web/gallery/site
# (tools/gallery --web serves it).
set(gallery_site ${CMAKE_CURRENT_BINARY_DIR}/site)
add_custom_target(vandro_gallery_site ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${gallery_site}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            $<TARGET_FILE:vandro_gallery> $<TARGET_FILE_DIR:vandro_gallery>/vandro_gallery.wasm
            ${CMAKE_CURRENT_SOURCE_DIR}/web/index.html ${gallery_site}
    DEPENDS vandro_gallery ${CMAKE_CURRENT_SOURCE_DIR}/web/index.html
    COMMENT "Gathering the gallery's site in ${gallery_site}"
    VERBATIM)
