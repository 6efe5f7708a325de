// Any text localized with any dictionary, with definitions repeated up to huge sizes: the
// engine ends in bounded time and memory, and answers what localizing recursively by the
// rules answers, cycles and overruns giving "!ERROR!" at the same points.
#include "gui/localization/LocalizationEngine.h"
#include "gui/localization/TokenExpansion.h"
#include "tests/support/FuzzCheck.h"

#include "runtime/Application.h"
#include "runtime/Text.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

using namespace vandro;

namespace {

const String kError = u"!ERROR!";

LocalTime FixedTime() { return {2026, 12, 6, 9, 5, 7}; }

struct Overrun {};
struct TooDeep {};

// The rules, followed by plain recursion, with the engine's limits counted the same way.
class Reference {
  public:
    explicit Reference(Ref<TVellumLanguage> language) : language_(std::move(language)) {}

    String Run(const String& text) {
        try {
            return Localize(text, true);
        } catch (const Overrun&) {
            return kError;
        }
    }

    bool changing = false;

  private:
    void Spend(std::size_t units) {
        work_ += units;
        if (work_ > TokenExpansion::kMaxWork)
            throw Overrun{};
    }

    String Localize(const String& text, bool outermost) {
        if (!outermost)
            Spend(text.size());
        if (std::find(open_.begin(), open_.end(), text) != open_.end())
            return kError;
        if (open_.size() > 2000)
            throw TooDeep{};
        open_.push_back(text);
        String out;
        std::vector<std::size_t> opened;
        // The brace before, while it can still pair.
        char16_t previous = 0;
        for (const char16_t unit : text) {
            const bool brace = unit == u'{' || unit == u'}';
            if (!brace || unit != previous) {
                out += unit;
                previous = brace ? unit : 0;
                continue;
            }
            previous = 0;
            if (unit == u'{' || opened.empty()) {
                out += unit;
                if (unit == u'{')
                    opened.push_back(out.size());
                continue;
            }
            const std::size_t start = opened.back();
            opened.pop_back();
            const String token = out.substr(start, out.size() - 1 - start);
            out.erase(start - 2);
            const String value = Value(token);
            Spend(value.size());
            out += value;
        }
        open_.pop_back();
        return out;
    }

    String Value(const String& token) {
        if (++tokens_ > TokenExpansion::kMaxTokens)
            throw Overrun{};
        const String key = Lower(token);
        if (key == u"appfile")
            return AppFile();
        if (key == u"appdir")
            return AppDir();
        if (key == u"apptitle")
            return AppTitle();
        if (key == u"launchdir")
            return LaunchDir();
        if (key == u"gcmemalloced") {
            changing = true;
            return String();
        }
        const bool time = key == u"shorttime" || key == u"longtime";
        const bool date = key == u"shortdate" || key == u"longdate";
        const String format = language_ ? Localize(language_->LookupToken(token), false) : token;
        if (time)
            return Localize(TVellumLocalizationEngine::LocalizedTime(format), false);
        if (date)
            return Localize(TVellumLocalizationEngine::LocalizedDate(format), false);
        return format;
    }

    Ref<TVellumLanguage> language_;
    std::vector<String> open_;
    std::size_t tokens_ = 0;
    std::size_t work_ = 0;
};

// A line "count*key=value" defines key as count copies of value, never more than the engine
// takes in.
void Define(TVellumLanguage& language, const String& line) {
    std::size_t at = 0;
    std::size_t count = 1;
    while (at < line.size() && line[at] >= u'0' && line[at] <= u'9')
        ++at;
    if (at > 0 && at < line.size() && line[at] == u'*') {
        count = std::stoul(std::string(line.begin(), line.begin() + std::min<std::size_t>(at, 9)));
        ++at;
    } else {
        at = 0;
    }
    const std::size_t equals = line.find(u'=', at);
    if (equals == String::npos)
        return;
    const String value = line.substr(equals + 1);
    count =
        std::min(count, (TokenExpansion::kMaxWork + 16) / std::max<std::size_t>(value.size(), 1));
    String definition;
    definition.reserve(value.size() * count);
    for (std::size_t i = 0; i < count; ++i)
        definition += value;
    language.DefineToken(line.substr(at, equals - at), definition);
}

void Check(const String& text, const Ref<TVellumLanguage>& language) {
    TVellumLocalizationEngine::_SetLanguage(language);
    const String answer = TVellumLocalizationEngine::LocalizeString(text);
    Require(answer.size() <= text.size() + TokenExpansion::kMaxWork);
    Reference reference(language);
    try {
        const String expected = reference.Run(text);
        Require(reference.changing || answer == expected);
    } catch (const TooDeep&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Cycles are common here and each one writes a warning line.
    Require(std::freopen("/dev/null", "w", stdout) != nullptr);
    TVellumLocalizationEngine::SetClock(FixedTime);
    TVellumLocalizationEngine::_SetMode(TVellumLocalizationEngine::ModeTranslates);
    return 0;
}

// The text to localize, then one definition a line; each byte is one character.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const String input(data, data + size);
    const std::size_t feed = std::min(input.find(u'\n'), input.size());
    const String text = input.substr(0, feed);
    const auto language = New<TVellumLanguage>();
    for (std::size_t start = feed + 1; start < input.size();) {
        const std::size_t end = std::min(input.find(u'\n', start), input.size());
        Define(*language, input.substr(start, end - start));
        start = end + 1;
    }
    Check(text, language);
    Check(text, nullptr);
    TVellumLocalizationEngine::_SetLanguage(nullptr);
    return 0;
}
