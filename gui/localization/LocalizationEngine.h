// The localization engine: one mode and one current language for the whole program, and the
// translation of texts whose tokens are written between "{{" and "}}".
#pragma once

#include "Language.h"
#include "LocalClock.h"

#include "runtime/Function.h"

namespace vandro {

class TVellumLocalizationEngine {
  public:
    TVellumLocalizationEngine() = delete;

    // The bits of the mode: translation is on; new gadgets take their text as a token key.
    static constexpr int ModeTranslates = 1;
    static constexpr int ModeKeysAtCreation = 2;

    static int _SetMode(int mode);
    static int GetMode();
    static Ref<TVellumLanguage> GetLanguage();
    static int _SetLanguage(Ref<TVellumLanguage> language);
    static String LocalizeString(const String& text);
    // The current time in a format of runs of "h", "m", "s" and "p", or "shorttime", "longtime".
    static String LocalizedTime(const String& format);
    // The current date in a format of runs of "d", "m", "y" and "o", or "shortdate", "longdate".
    static String LocalizedDate(const String& format);
    static int _MonthAsNumber(const String& name);
    // 0 for Monday to 6 for Sunday.
    static int DayOfTheWeek(int day, int month, int year);

    // The clock the time and date read; the null function brings back the platform's.
    static int SetClock(Function<LocalTime()> clock);
    static LocalTime CurrentTime();
};

} // namespace vandro
