# What the Windows program has beside its code: the icon (resource 101, drawn at build time),
# a manifest asking for common controls 6 and per-monitor DPI awareness, a version resource; the
# zip that cpack makes for a Windows user: the static vandro.exe and a short read-me; and the
# installer that wixl makes of the program. The version is the project's, in each of them.
enable_language(RC)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(VANDRO_VERSION ${PROJECT_VERSION})
string(REPLACE "." "," VANDRO_VERSION_COMMAS "${PROJECT_VERSION}.0")
set(VANDRO_ICON ${CMAKE_CURRENT_BINARY_DIR}/vandro.ico)
set(VANDRO_MANIFEST ${CMAKE_CURRENT_SOURCE_DIR}/resources/vandro.manifest)

add_custom_command(OUTPUT ${VANDRO_ICON}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/icon/card_icon.py ${VANDRO_ICON}
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/icon/card_icon.py
    COMMENT "Drawing the program icon"
    VERBATIM)
configure_file(resources/vandro.rc.in ${CMAKE_CURRENT_BINARY_DIR}/vandro.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/vandro.rc
    PROPERTIES OBJECT_DEPENDS "${VANDRO_ICON};${VANDRO_MANIFEST}")
target_sources(vandro PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/vandro.rc)

install(TARGETS vandro RUNTIME DESTINATION .)
install(FILES resources/README.txt DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Vandro)
set(CPACK_PACKAGE_VERSION ${VANDRO_VERSION})
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Vandro, a concentration card game")
set(CPACK_PACKAGE_FILE_NAME Vandro-${VANDRO_VERSION}-win64)
# The debug information stays in the build tree.
set(CPACK_STRIP_FILES TRUE)
include(CPack)

# The installer (packaging/vandro.wxs), where Debian's wixl is found: the program without its
# debug information and its icon. wixl takes the files' paths relative to where it runs.
find_program(VANDRO_WIXL wixl)
if(VANDRO_WIXL)
    set(VANDRO_MSI ${CMAKE_BINARY_DIR}/Vandro-${VANDRO_VERSION}-win64.msi)
    add_custom_command(OUTPUT ${VANDRO_MSI}
        COMMAND ${CMAKE_COMMAND} -E make_directory installer
        COMMAND ${CMAKE_STRIP} -o installer/vandro.exe $<TARGET_FILE:vandro>
        COMMAND ${VANDRO_WIXL} -a x64 -D Version=${VANDRO_VERSION} -D Program=installer/vandro.exe
                -D Icon=vandro.ico -o ${VANDRO_MSI} ${PROJECT_SOURCE_DIR}/packaging/vandro.wxs
        DEPENDS vandro ${VANDRO_ICON} ${PROJECT_SOURCE_DIR}/packaging/vandro.wxs
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        COMMENT "Making the installer"
        VERBATIM)
    add_custom_target(vandro_msi ALL DEPENDS ${VANDRO_MSI})
    set_target_properties(vandro_msi PROPERTIES VANDRO_INSTALLER ${VANDRO_MSI})
else()
    message(STATUS "wixl not found: no installer (Debian package wixl)")
endif()
