#include "StatusLine.h"

#include "gui/WindowFunctions.h"

namespace vandro {

namespace {

// Room for the sizing grip at the right end of a resizable window's status line.
constexpr const char16_t* kGripPadding = u"     ";

} // namespace

String ShownStatusText(const String& text, int windowStyle) {
    return (windowStyle & WindowResizable) ? text + kGripPadding : text;
}

String StatusField(const String& text, int field) {
    std::size_t start = 0;
    for (int tab = 0; tab < field; ++tab) {
        const std::size_t next = text.find(u'\t', start);
        if (next == String::npos)
            return {};
        start = next + 1;
    }
    if (field == 2)
        return text.substr(start);
    const std::size_t end = text.find(u'\t', start);
    return text.substr(start, end == String::npos ? String::npos : end - start);
}

} // namespace vandro
