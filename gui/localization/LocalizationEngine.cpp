#include "LocalizationEngine.h"

#include "TokenExpansion.h"

namespace vandro {

namespace {

struct LocalizationState {
    int mode = 0;
    Ref<TVellumLanguage> language;
    Function<LocalTime()> clock = SystemLocalTime;
};
LocalizationState engine;

} // namespace

int TVellumLocalizationEngine::_SetMode(int mode) {
    engine.mode = mode;
    return 0;
}

int TVellumLocalizationEngine::GetMode() { return engine.mode; }

Ref<TVellumLanguage> TVellumLocalizationEngine::GetLanguage() { return engine.language; }

int TVellumLocalizationEngine::_SetLanguage(Ref<TVellumLanguage> language) {
    engine.language = std::move(language);
    return 0;
}

String TVellumLocalizationEngine::LocalizeString(const String& text) {
    if (!(engine.mode & ModeTranslates))
        return text;
    return TokenExpansion(engine.language).Run(text);
}

int TVellumLocalizationEngine::SetClock(Function<LocalTime()> clock) {
    engine.clock = clock.IsNull() ? Function<LocalTime()>(SystemLocalTime) : clock;
    return 0;
}

LocalTime TVellumLocalizationEngine::CurrentTime() { return engine.clock(); }

} // namespace vandro
