# The localization engine and its language files.
vandro_add_test(localization_test
    SOURCES
        localize_string_test.cpp
    LIBS vandro_gui)
