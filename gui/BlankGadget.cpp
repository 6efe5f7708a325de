#include "BlankGadget.h"

namespace vandro {

int TBlankGadget::SetShape(int, int, int, int) { return 0; }
int TBlankGadget::SetLayout(int, int, int, int) { return 0; }
int TBlankGadget::InsertItem(int, const String&, const String&, int, const Object&, int) {
    return 0;
}
int TBlankGadget::SetSensitivity(int) { return 0; }

} // namespace vandro
