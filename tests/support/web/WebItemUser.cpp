// The item gadgets (trees, lists, combo boxes, toolbars, tabbers) are not on the page yet: no
// user can act on one, and none shows items.
#include "tests/support/PlatformUser.h"

namespace vandro {

namespace {

class TWebItemUser : public TPlatformItemUser {
  public:
    int ChooseNode(const Ref<TGadget>&) override { return 0; }
    int ToggleNode(const Ref<TGadget>&) override { return 0; }
    int DoubleClickNode(const Ref<TGadget>&) override { return 0; }
    int RightClickNode(const Ref<TGadget>&) override { return 0; }
    std::vector<String> ShownNodes(const Ref<TGadget>&) override { return {}; }
    int ClickItem(const Ref<TGadget>&, int, int) override { return 0; }
    int DoubleClickItem(const Ref<TGadget>&, int) override { return 0; }
    int RightClickItem(const Ref<TGadget>&, int) override { return 0; }
    int ClickBelowItems(const Ref<TGadget>&) override { return 0; }
    int ChooseComboItem(const Ref<TGadget>&, int) override { return 0; }
    int TypeIntoCombo(const Ref<TGadget>&, const String&) override { return 0; }
    int PressToolbarItem(const Ref<TGadget>&, int) override { return 0; }
    int ChooseTab(const Ref<TGadget>&, int) override { return 0; }
    std::vector<String> ShownItems(const Ref<TGadget>&) override { return {}; }
    int RightClickTab(const Ref<TGadget>&, int) override { return 0; }
    String ShownItemTip(const Ref<TGadget>&, int) override { return {}; }
    int DoubleClickBelowItems(const Ref<TGadget>&) override { return 0; }
    int PressKeyIn(const Ref<TGadget>&, int) override { return 0; }
    int DragNode(const Ref<TGadget>&, const Ref<TGadget>&) override { return 0; }
};

} // namespace

const Ref<TPlatformItemUser>& PlatformItemUser() {
    static const Ref<TPlatformItemUser> user = New<TWebItemUser>();
    return user;
}

} // namespace vandro
