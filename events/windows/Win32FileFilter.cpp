#include "Win32SystemDriver.h"

namespace vandro {

namespace {

String ReplaceAll(String text, const String& from, const String& to) {
    for (std::size_t at = text.find(from); at != String::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

String FileFilterText(const String& extensions) {
    if (extensions.empty())
        return {};
    const String pattern = String(1, u'\0') + u"*.";
    String filter = extensions.find(u':') == String::npos ? u"Files" + pattern + extensions
                                                          : ReplaceAll(extensions, u":", pattern);
    filter = ReplaceAll(filter, u";", String(1, u'\0'));
    filter = ReplaceAll(filter, u",", u";*.");
    return filter + u'\0';
}

} // namespace vandro
