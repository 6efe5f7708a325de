# The localization engine and its language files.
vandro_add_test(localization_test
    SOURCES
        language_file_test.cpp
        $<$<NOT:$<BOOL:${WIN32}>>:language_file_permission_test.cpp>
        language_test.cpp
        localize_string_test.cpp
        localized_date_time_test.cpp
        menu_shortcut_test.cpp
    LIBS vandro_gui vandro_system_headless)

vandro_add_fuzzer(fuzz_language
    SOURCES fuzz/language_fuzzer.cpp
    LIBS vandro_gui
    CORPUS fuzz/language_corpus)

vandro_add_fuzzer(fuzz_token_expansion
    SOURCES fuzz/token_fuzzer.cpp
    LIBS vandro_gui
    CORPUS fuzz/token_corpus)
