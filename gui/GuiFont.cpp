#include "GuiFont.h"

#include "runtime/Exceptions.h"

namespace vandro {

int TGuiFont::CharWidth(int) { AbstractMethod(); }

} // namespace vandro
