// Localization as the application reaches it: through the current driver, so that the
// gadgets that follow the language are refreshed when the mode or the language changes.
#pragma once

#include "Language.h"

namespace vandro {

String LocalizeText(const String& text);
int SelectLocalizationMode(int mode);
int CurrentLocalizationMode();
int SelectLanguage(const Ref<TVellumLanguage>& language);
Ref<TVellumLanguage> CurrentLanguage();

} // namespace vandro
