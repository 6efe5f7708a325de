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

int THeadlessDesktop::Free() { return 0; }
int THeadlessDesktop::ClientWidth() { return kScreenWidth; }
int THeadlessDesktop::ClientHeight() { return kWorkAreaHeight; }
int THeadlessDesktop::SetTooltip(const String&) { return 0; }
int THeadlessDesktop::Class() { return ClassDesktop; }
Ref<TGadget> THeadlessDesktop::Create(const Ref<TGadget>&, int, const String&) {
    return Ref<TGadget>(this);
}
int THeadlessDesktop::isControl() { return 0; }

} // namespace vandro
