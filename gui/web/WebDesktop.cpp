#include "WebDesktop.h"

#include "WebDom.h"
#include "WebGUIDriver.h"

#include "gui/GadgetConstants.h"

#include <algorithm>

namespace vandro {

TWebDesktop::TWebDesktop() {
    _class = ClassDesktop;
    _hwnd = NewElementHandle();
    SetRect(0, 0, ClientWidth(), ClientHeight());
}

int TWebDesktop::ClientWidth() { return std::max(vandro_dom_viewport(0), kWebDesktopWidth); }
int TWebDesktop::ClientHeight() { return std::max(vandro_dom_viewport(1), kWebDesktopHeight); }
int TWebDesktop::State() { return 0; }

} // namespace vandro
