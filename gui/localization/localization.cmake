# The localization engine and its language files.
target_sources(vandro_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Language.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageFunctions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageSyntax.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LocalClock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LocalizationEngine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LocalizationFunctions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LocalizedDateTime.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TokenExpansion.cpp
)
target_link_libraries(vandro_gui PUBLIC vandro_io)
