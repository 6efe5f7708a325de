# What `cmake --install` puts on a Linux system with the GTK program: the game, its desktop
# entry and its icon (the same design as the Windows icon), where desktops look for them.
include(GNUInstallDirs)
install(PROGRAMS $<TARGET_FILE:vandro> DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vandro.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vandro.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
