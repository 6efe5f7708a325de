// Any extension list and path for a file requester: the filter it starts with is a group that
// lists the file name's extension, the first such group, or 0 when none does; case and the
// folders above the file never change it.
#include "events/FileFilter.h"
#include "tests/support/FuzzCheck.h"

#include "runtime/Text.h"

#include <cstdint>
#include <vector>

using namespace vandro;

namespace {

std::vector<String> Split(const String& text, char16_t separator) {
    std::vector<String> parts(1);
    for (char16_t unit : text) {
        if (unit == separator)
            parts.emplace_back();
        else
            parts.back() += unit;
    }
    return parts;
}

// The extensions a group lists: everything after its first ":", or all of it.
std::vector<String> Listed(const String& group) {
    const std::size_t colon = group.find(u':');
    return Split(colon == String::npos ? group : group.substr(colon + 1), u',');
}

bool Lists(const String& group, const String& extension) {
    for (const String& listed : Listed(Lower(group)))
        if (listed == extension)
            return true;
    return false;
}

} // namespace

// The extension list, a line feed, then the path.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const String input(data, data + size);
    const std::size_t feed = input.find(u'\n');
    const String extensions = input.substr(0, feed);
    const String path = feed == String::npos ? String() : input.substr(feed + 1);

    const int index = FileFilterIndex(extensions, path);
    const std::vector<String> groups = Split(extensions, u';');
    Require(index >= 0 && index <= static_cast<int>(groups.size()));

    const String name = path.substr(path.find_last_of(u"/\\") + 1);
    const std::size_t dot = name.find(u'.');
    const String extension = dot == String::npos ? String() : Lower(name.substr(dot + 1));
    int first = 0;
    for (std::size_t group = 0; !extension.empty() && group < groups.size() && !first; ++group)
        if (Lists(groups[group], extension))
            first = static_cast<int>(group) + 1;
    Require(index == first);

    Require(FileFilterIndex(Lower(extensions), Lower(path)) == index);
    Require(FileFilterIndex(extensions, u"a.b/c.d\\" + path) == index);
    return 0;
}
