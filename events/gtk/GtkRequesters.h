// The extension lists of the file requesters as GTK file filters.
#pragma once

#include "runtime/Object.h"

#include <vector>

namespace vandro {

struct FileFilterGroup {
    String description;
    std::vector<String> extensions;
};

// Groups separated by ";", each a description, ":" and extensions separated by ",", or only
// the extensions, which are then described as "Files".
std::vector<FileFilterGroup> FileFilterGroups(const String& extensions);

} // namespace vandro
