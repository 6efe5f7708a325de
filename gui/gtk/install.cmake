# What `cmake --install` puts on a Linux system with the GTK program, and the Debian package
# that `cpack` makes of it: the game where Debian keeps games, its desktop entry, its icon as
# SVG and drawn in each size (the same design as the Windows icon), its AppStream metadata for
# software centres, its manual page, copyright and changelog.
include(GNUInstallDirs)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(vandro_icon_sizes 16 32 48 64 128 256)
set(vandro_icon_theme ${CMAKE_CURRENT_BINARY_DIR}/icons)
set(vandro_icon_pngs "")
foreach(size IN LISTS vandro_icon_sizes)
    set(png ${vandro_icon_theme}/${size}x${size}/apps/vandro.png)
    list(APPEND vandro_icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_command(OUTPUT ${vandro_icon_pngs}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/icon/card_icon.py
            --png ${vandro_icon_theme} ${vandro_icon_sizes}
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/icon/card_icon.py
    COMMENT "Drawing the program icon in each size"
    VERBATIM)
# Debian wants the changelog and the manual page compressed as hard as gzip can, without a time
# stamp in them.
set(vandro_compressed "")
foreach(file IN ITEMS changelog vandro.6)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/${file})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/${file} ${copy}
        COMMAND gzip -9nf ${copy}
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${file}
        VERBATIM)
    list(APPEND vandro_compressed ${copy}.gz)
endforeach()
add_custom_target(vandro_install_files ALL DEPENDS ${vandro_icon_pngs} ${vandro_compressed})

# The program's target is made later, in game/; installed as a target, cpack strips it.
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR}
               CALL install TARGETS vandro RUNTIME DESTINATION games)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vandro.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The metadata's release is the project's version, dated as the changelog's newest entry.
set(vandro_changelog ${PROJECT_SOURCE_DIR}/packaging/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${vandro_changelog})
file(STRINGS ${vandro_changelog} vandro_signature REGEX "^ -- " LIMIT_COUNT 1)
if(NOT vandro_signature MATCHES ", ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "packaging/changelog: no date in its newest entry's signature")
endif()
set(vandro_day ${CMAKE_MATCH_1})
set(vandro_year ${CMAKE_MATCH_3})
set(vandro_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND vandro_months ${CMAKE_MATCH_2} vandro_month)
math(EXPR vandro_month "${vandro_month} + 1")
string(REGEX REPLACE "^(.)$" "0\\1" vandro_month ${vandro_month})
string(REGEX REPLACE "^(.)$" "0\\1" vandro_day ${vandro_day})
set(vandro_release_date ${vandro_year}-${vandro_month}-${vandro_day})
set(vandro_metainfo ${CMAKE_CURRENT_BINARY_DIR}/example.vandro.Vandro.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/packaging/vandro.metainfo.xml.in ${vandro_metainfo} @ONLY)
set_property(GLOBAL PROPERTY VANDRO_METAINFO ${vandro_metainfo})
install(FILES ${vandro_metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vandro.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vandro.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vandro)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vandro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_CONTACT "Vandro maintainers <maintainers@users.noreply.c-seed-43845425.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "concentration card game for one to four players")
# Debian shows the description as it is written here, in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "The cards lie face down; the player on turn uncovers two of them and keeps
them when they match, otherwise the turn passes. Boards range from 5 x 4 to
11 x 10 cards, and the cards can be played with the mouse or the keyboard.
The user interface is in German.")
# dpkg-shlibdeps names the packages of the libraries the program links, GTK 3 among them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The debug information stays in the build tree.
set(CPACK_STRIP_FILES TRUE)
include(CPack)
