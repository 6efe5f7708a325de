#include "Win32SystemDriver.h"

#include "runtime/Text.h"

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

int FileFilterIndex(const String& extensions, const String& path) {
    const std::size_t dot = path.find(u'.');
    if (dot == String::npos)
        return 0;
    const String wanted = u"," + Lower(path.substr(dot + 1)) + u",";
    // The closing "," lets the last extension of the last group be found too.
    const String list = ReplaceAll(ReplaceAll(Lower(extensions), u":", u":,"), u";", u",;") + u",";
    const std::size_t at = list.find(wanted);
    if (at == String::npos)
        return 0;
    int groups = 0;
    for (std::size_t i = 0; i < at; ++i)
        groups += list[i] == u';';
    return 1 + groups;
}

} // namespace vandro
