# The driver interface, the toolkit's module functions, and the headless driver.
vandro_add_test(gui_driver_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/EventRecorder.cpp
            ${CMAKE_CURRENT_LIST_DIR}/RecordingDriver.cpp
            ${CMAKE_CURRENT_LIST_DIR}/driver_interface_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/gadget_events_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/gadget_functions_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/handed_resource_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/hotkey_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/menu_gadget_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/panel_image_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/platform_driver_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/platform_slider_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/platform_text_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/status_line_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tree_node_test.cpp
    LIBS vandro_gui vandro_system_headless)

vandro_add_test(gui_headless_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/EventRecorder.cpp
            ${CMAKE_CURRENT_LIST_DIR}/headless/button_label_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/headless/canvas_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/headless/font_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/headless/list_gadget_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/headless/localization_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/headless/menu_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/headless/proxy_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/headless/system_colour_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/headless/teardown_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/headless/text_tree_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/headless/window_test.cpp
    LIBS vandro_gui
    PLATFORM headless)

vandro_add_fuzzer(fuzz_icon_strip
    SOURCES fuzz/icon_strip_fuzzer.cpp
    LIBS vandro_gui
    CORPUS fuzz/icon_strip_corpus)
