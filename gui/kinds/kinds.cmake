# The rules every platform's gadget kinds share (the platform gadgets' and driver's common bases)
# and the small rules they apply: text areas, sliders, progress, status lines, panel images, the
# navigation gate and key filters.
target_sources(vandro_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/KeyFilter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NavigationGate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PanelImage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PlatformDriver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PlatformGadget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgressPercent.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SliderRange.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StatusLine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextAreaRules.cpp
)
