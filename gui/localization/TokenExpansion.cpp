#include "TokenExpansion.h"

#include "LocalizationEngine.h"

#include "runtime/Application.h"
#include "runtime/Text.h"

#include <cstdio>

namespace vandro {

namespace {

const String kError = u"!ERROR!";

struct BuiltInToken {
    const char16_t* name;
    String (*value)();
};

const BuiltInToken kBuiltIns[] = {
    {u"appfile", [] { return AppFile(); }},
    {u"appdir", [] { return AppDir(); }},
    {u"apptitle", [] { return AppTitle(); }},
    {u"launchdir", [] { return LaunchDir(); }},
    {u"gcmemalloced", [] { return LongText(TObject::LiveBytes()); }},
};

void WarnOfCycle(const String& text) {
    const std::string line =
        ToUtf8(u"WARNING: Encountered cyclic localization string: \"" + text + u"\".\n");
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

} // namespace

String TokenExpansion::Run(const String& text) {
    Open(text, Then::Answer);
    while (!frames_.empty() && !overrun_) {
        if (!Scan())
            continue;
        Frame done = std::move(frames_.back());
        frames_.pop_back();
        open_.erase(done.text);
        Deliver(std::move(done.out), done.then);
    }
    return overrun_ ? kError : answer_;
}

void TokenExpansion::Open(String text, Then then) {
    // A definition is taken in whether it opens a frame or closes a cycle: either costs its
    // length, so that a long one met again and again stops at the limit.
    if (!frames_.empty())
        Spend(text.size());
    if (overrun_)
        return;
    if (open_.count(text)) {
        WarnOfCycle(text);
        return Deliver(kError, then);
    }
    open_.insert(text);
    Frame frame;
    frame.text = std::move(text);
    frame.then = then;
    frames_.push_back(std::move(frame));
}

void TokenExpansion::Deliver(String value, Then then) {
    switch (then) {
    case Then::Answer:
        answer_ = std::move(value);
        break;
    case Then::Insert:
        Insert(value);
        break;
    case Then::FormatTime:
        Open(TVellumLocalizationEngine::LocalizedTime(value), Then::Insert);
        break;
    case Then::FormatDate:
        Open(TVellumLocalizationEngine::LocalizedDate(value), Then::Insert);
        break;
    }
}

void TokenExpansion::Insert(const String& value) {
    Spend(value.size());
    frames_.back().out += value;
}

void TokenExpansion::Spend(std::size_t units) {
    work_ += units;
    if (work_ > kMaxWork)
        overrun_ = true;
}

bool TokenExpansion::Scan() {
    const std::size_t depth = frames_.size();
    while (true) {
        if (overrun_ || frames_.size() != depth)
            return false;
        Frame& frame = frames_.back();
        if (frame.pos == frame.text.size())
            return true;
        const char16_t unit = frame.text[frame.pos++];
        const bool pair = (unit == u'{' || unit == u'}') && frame.previous == unit;
        if (pair && unit == u'}' && !frame.markers.empty()) {
            const std::size_t marker = frame.markers.back();
            frame.markers.pop_back();
            // The first "}" of the pair is already in out.
            const String token = frame.out.substr(marker, frame.out.size() - 1 - marker);
            frame.out.resize(marker - 2);
            frame.previous = 0;
            Resolve(token);
            continue;
        }
        frame.out += unit;
        if (pair && unit == u'{')
            frame.markers.push_back(frame.out.size());
        frame.previous = pair || (unit != u'{' && unit != u'}') ? 0 : unit;
    }
}

void TokenExpansion::Resolve(const String& token) {
    if (++tokens_ > kMaxTokens) {
        overrun_ = true;
        return;
    }
    const String key = Lower(token);
    for (const auto& builtIn : kBuiltIns)
        if (key == builtIn.name)
            return Insert(builtIn.value());
    const bool time = key == u"shorttime" || key == u"longtime";
    const bool date = key == u"shortdate" || key == u"longdate";
    if (language_) {
        const Then then = time ? Then::FormatTime : date ? Then::FormatDate : Then::Insert;
        return Open(language_->LookupToken(token), then);
    }
    if (time)
        return Open(TVellumLocalizationEngine::LocalizedTime(token), Then::Insert);
    if (date)
        return Open(TVellumLocalizationEngine::LocalizedDate(token), Then::Insert);
    Insert(token);
}

} // namespace vandro
