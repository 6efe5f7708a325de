vandro_add_test(gui_model_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/RecordingGadget.cpp
            ${CMAKE_CURRENT_LIST_DIR}/data_source_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/gadget_tree_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/item_array_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/items_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/layout_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/sync_data_equivalence_test.cpp
    LIBS vandro_gui vandro_system_headless)

vandro_add_fuzzer(fuzz_layout
    SOURCES fuzz/layout_fuzzer.cpp
    LIBS vandro_gui
    CORPUS fuzz/layout_corpus)
