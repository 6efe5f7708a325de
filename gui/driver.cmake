# The driver interface with the creation steps every platform shares, fonts, icon strips, hot
# keys, the menu tree, the toolkit's module functions and its start-up. The platforms are
# libraries of their own.
target_sources(vandro_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DriverFunctions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DriverLocalization.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GadgetCreation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GadgetEvents.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GadgetFunctions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GadgetItemFunctions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GuiFont.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HotKeys.cpp
    ${CMAKE_CURRENT_LIST_DIR}/IconStrip.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenuGadget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenuShortcut.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextAreaFunctions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ToolkitStart.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VellumDriver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowFunctions.cpp
)
target_link_libraries(vandro_gui PUBLIC vandro_graphics)
