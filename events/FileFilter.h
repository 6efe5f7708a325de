// The extension lists of the file requesters: groups separated by ";", each a description, ":"
// and extensions separated by ",", or only the extensions (the platform names such a group).
#pragma once

#include "runtime/Object.h"

namespace vandro {

// The filter a requester starts with for the path: 1 + the group listing the file name's
// extension (the text after its first "."), ignoring case; 0 when none does, so the first
// filter shows. Dots in the folders above the file do not count.
int FileFilterIndex(const String& extensions, const String& path);

} // namespace vandro
