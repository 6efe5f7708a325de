# The gadget object model: the gadget, its layout, items and data sources, the gadget item,
# the core's module state and proxy gadgets.
target_sources(vandro_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/BlankGadget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Gadget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GadgetCore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GadgetData.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GadgetItem.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GadgetItems.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GadgetLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ItemArray.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeyPositions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProxyGadget.cpp
)
