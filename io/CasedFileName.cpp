#include "CasedFileName.h"

#include "CFile.h"
#include "runtime/Text.h"

#include <optional>
#include <system_error>

namespace vandro {

namespace {

bool IsSeparator(char16_t unit) { return unit == u'/' || unit == u'\\'; }

bool KeptAsGiven(const String& component, std::size_t start) {
    const bool drive = start == 0 && component.size() == 2 && component[1] == u':';
    return component.empty() || component == u"." || component == u".." || drive;
}

// The entry of the folder spelled as name, else the smallest of those that match it
// ignoring case, so that the answer does not hang on the order of the listing.
std::optional<String> EntryNamed(const String& folder, const String& name) {
    std::error_code error;
    std::filesystem::directory_iterator entry(cfile::NativePath(folder.empty() ? u"." : folder),
                                              error);
    if (error)
        return std::nullopt;
    const String lowered = Lower(name);
    std::optional<String> match;
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const String spelled = cfile::PathText(entry->path().filename());
        if (spelled == name)
            return spelled;
        if (Lower(spelled) == lowered && (!match || spelled < *match))
            match = spelled;
    }
    return match;
}

} // namespace

String CasedFileName(const String& path) {
    if (path.empty())
        return String();
    String cased;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = start;
        while (end < path.size() && !IsSeparator(path[end]))
            ++end;
        const String component = path.substr(start, end - start);
        if (KeptAsGiven(component, start)) {
            cased += component;
        } else {
            const auto entry = EntryNamed(Replace(cased, u"\\", u"/"), component);
            if (!entry)
                return String();
            cased += *entry;
        }
        if (end < path.size())
            cased += path[end];
        start = end + 1;
    }
    return cased;
}

} // namespace vandro
