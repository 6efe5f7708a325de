#include "LanguageSyntax.h"

#include <algorithm>

namespace vandro {

namespace {

enum class CommentState { BeforeEquals, AfterEquals, Quoted };

// Each escape is a backslash followed by the letter.
struct Escape {
    char16_t letter;
    char16_t unit;
};
const Escape kEscapes[] = {{u'\\', u'\\'}, {u'r', u'\r'}, {u'n', u'\n'}, {u't', u'\t'},
                           {u'0', u'\0'},  {u';', u';'},  {u'#', u'#'},  {u':', u':'}};
// What the writer escapes: the units a line would not carry, code 0 (a lone code 0 in a file
// means the empty definition), and the backslash itself.
constexpr int kWrittenEscapes = 5;

const Escape* EscapeOf(char16_t letter) {
    const auto end = std::end(kEscapes);
    const auto escape =
        std::find_if(kEscapes, end, [&](const Escape& e) { return e.letter == letter; });
    return escape == end ? nullptr : escape;
}

String Escaped(const String& text) {
    String out;
    out.reserve(text.size() + 2);
    for (char16_t unit : text) {
        const auto end = kEscapes + kWrittenEscapes;
        const auto escape =
            std::find_if(kEscapes, end, [&](const Escape& e) { return e.unit == unit; });
        if (escape != end)
            out.append({u'\\', escape->letter});
        else
            out += unit;
    }
    return out;
}

bool IsStrippedAtStart(char16_t unit) { return unit == u' ' || unit == u'\t'; }
bool IsStrippedAtEnd(char16_t unit) { return IsStrippedAtStart(unit) || unit == u'\r'; }

} // namespace

String CutComment(const String& line) {
    auto state = CommentState::BeforeEquals;
    std::size_t candidate = String::npos;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char16_t unit = line[i];
        if (state != CommentState::Quoted) {
            if (unit == u';')
                return line.substr(0, i);
            if (unit == u'=' && state == CommentState::BeforeEquals)
                state = CommentState::AfterEquals;
            else if (unit == u'"' && state == CommentState::AfterEquals)
                state = CommentState::Quoted;
        } else if (unit == u'"') {
            candidate = String::npos;
        } else if (unit == u';' && line[i - 1] != u'\\' && candidate == String::npos) {
            candidate = i;
        }
    }
    return line.substr(0, candidate);
}

// One pass from the left gives what replacing the escapes one kind after another through a
// code-0 placeholder gives, except that a code-0 character in the file stays itself.
String Unescape(const String& line) {
    String out;
    out.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        const Escape* escape =
            i + 1 < line.size() && line[i] == u'\\' ? EscapeOf(line[i + 1]) : nullptr;
        if (escape) {
            out += escape->unit;
            ++i;
        } else {
            out += line[i];
        }
    }
    return out;
}

String QuotedText(const String& text) { return u'"' + Escaped(text) + u'"'; }

String FileKey(const String& key) {
    const bool quoted =
        !key.empty() && (IsStrippedAtStart(key.front()) || key.front() == u'[' ||
                         key.front() == u'"' || IsStrippedAtEnd(key.back()) || key.back() == u'"');
    return quoted ? QuotedText(key) : Escaped(key);
}

bool IsWritableKey(const String& key) { return key.find_first_of(u"=;") == String::npos; }

} // namespace vandro
