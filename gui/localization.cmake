# The localization engine and its language files.
target_sources(vandro_gui PRIVATE
    Language.cpp
    LanguageSyntax.cpp
    LocalClock.cpp
    LocalizationEngine.cpp
    LocalizedDateTime.cpp
    TokenExpansion.cpp
)
