#include "LocalizationFunctions.h"

#include "LocalizationEngine.h"
#include "gui/ToolkitStart.h"

namespace vandro {

String LocalizeText(const String& text) { return TVellumLocalizationEngine::LocalizeString(text); }

int SelectLocalizationMode(int mode) { return CurrentDriver()->SetLocalizationMode(mode); }

int CurrentLocalizationMode() { return TVellumLocalizationEngine::GetMode(); }

int SelectLanguage(const Ref<TVellumLanguage>& language) {
    return CurrentDriver()->SetLanguage(language);
}

Ref<TVellumLanguage> CurrentLanguage() { return TVellumLocalizationEngine::GetLanguage(); }

} // namespace vandro
