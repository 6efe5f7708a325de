#include "HeadlessDesktop.h"

#include "HeadlessGUIDriver.h"

#include "gui/GadgetConstants.h"

namespace vandro {

THeadlessDesktop::THeadlessDesktop() {
    Register(ClassDesktop, 0);
    _visible = 1;
    SetRect(0, 0, kScreenWidth, kScreenHeight);
    _nativeW = kScreenWidth;
    _nativeH = kScreenHeight;
}

int THeadlessDesktop::ClientWidth() { return kScreenWidth; }
int THeadlessDesktop::ClientHeight() { return kWorkAreaHeight; }

} // namespace vandro
