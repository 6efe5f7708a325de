#include "FileFilter.h"

#include "runtime/Text.h"

#include <algorithm>

namespace vandro {

namespace {

// Whether list[start, end), one group, lists the extension; its description, up to the first
// ":", may hold "," too.
bool GroupLists(const String& list, std::size_t start, std::size_t end, const String& wanted) {
    const std::size_t colon = list.find(u':', start);
    for (std::size_t item = colon < end ? colon + 1 : start;;) {
        const std::size_t comma = std::min(list.find(u',', item), end);
        if (list.compare(item, comma - item, wanted) == 0)
            return true;
        if (comma == end)
            return false;
        item = comma + 1;
    }
}

} // namespace

int FileFilterIndex(const String& extensions, const String& path) {
    const String name = path.substr(path.find_last_of(u"/\\") + 1);
    const std::size_t dot = name.find(u'.');
    if (dot == String::npos || dot + 1 == name.size())
        return 0;
    const String wanted = Lower(name.substr(dot + 1));
    const String list = Lower(extensions);
    for (std::size_t start = 0, group = 1;; ++group) {
        const std::size_t end = std::min(list.find(u';', start), list.size());
        if (GroupLists(list, start, end, wanted))
            return static_cast<int>(group);
        if (end == list.size())
            return 0;
        start = end + 1;
    }
}

} // namespace vandro
