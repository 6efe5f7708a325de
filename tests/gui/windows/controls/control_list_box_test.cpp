// List boxes on Win32: the selection mode as the control's style, the right click's
// notification, tips cut to the control's buffer, and tear-down.
#include "control_fixture.h"

#include "gui/windows/WindowsListBox.h"

namespace vandro {
namespace {

using ListBoxTest = WindowsControlTest;

String ShownText(HWND list, int index) {
    wchar_t text[64] = {};
    LVITEMW item{};
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    return FromWide(text);
}

Ref<TGadget> ListOfThree(const Ref<TGadget>& window, int style) {
    auto list = CreateListBox(10, 10, 200, 150, window, style);
    for (const char16_t* text : {u"Eins", u"Zwei", u"Drei"})
        AddGadgetItem(list, text, 0, -1, u"tip", Box(String(text)));
    return list;
}

TEST_F(ListBoxTest, TheSelectionModeIsTheControlsStyle) {
    for (const int style : {0, static_cast<int>(ListBoxMultipleSelection)}) {
        auto list = ListOfThree(window, style);
        EXPECT_EQ(GetWindowLongW(Hwnd(list), GWL_STYLE) & LVS_SINGLESEL, style ? 0 : LVS_SINGLESEL);
        EXPECT_EQ(SendMessageW(Hwnd(list), LVM_GETITEMCOUNT, 0, 0), 3);
        EXPECT_EQ(ShownText(Hwnd(list), 1), u"Zwei");
        FreeGadget(list);
    }
}

TEST_F(ListBoxTest, ARightClickNotificationCarriesItsIndexAndPoint) {
    auto list = ListOfThree(window, 0);
    PumpPending();
    events.Take();
    NMITEMACTIVATE click{};
    click.hdr = NMHDR{Hwnd(list), 0, static_cast<UINT>(NM_RCLICK)};
    click.iItem = 2;
    click.ptAction = POINT{7, 9};
    SendMessageW(GetParent(Hwnd(list)), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
    auto menus = Taken({GadgetMenu});
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0]->data, 2);
    EXPECT_EQ(menus[0]->x, 7);
    EXPECT_EQ(menus[0]->y, 9);
    FreeGadget(list);
}

TEST_F(ListBoxTest, TipsAreCutToTheControlsBuffer) {
    auto list = CreateListBox(10, 10, 200, 150, window, 0);
    AddGadgetItem(list, u"a", 0, -1, u"Ein langer Tipp");
    wchar_t buffer[6] = {L'?', L'?', L'?', L'?', L'?', L'?'};
    NMLVGETINFOTIPW tip{};
    tip.hdr = NMHDR{Hwnd(list), 0, static_cast<UINT>(LVN_GETINFOTIPW)};
    tip.pszText = buffer;
    tip.cchTextMax = 6;
    tip.iItem = 0;
    SendMessageW(GetParent(Hwnd(list)), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    EXPECT_EQ(std::wstring(buffer), L"Ein l");
    tip.iItem = 5;
    buffer[0] = L'?';
    SendMessageW(GetParent(Hwnd(list)), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    EXPECT_EQ(buffer[0], L'?') << "no item, no tip";
    FreeGadget(list);
}

TEST_F(ListBoxTest, HundredCyclesLeaveNothing) {
    std::vector<HWND> handles;
    for (int i = 0; i < 100; ++i) {
        auto list = ListOfThree(window, i % 2);
        SelectGadgetItem(list, 1);
        handles.push_back(Hwnd(list));
        FreeGadget(list);
    }
    ExpectDestroyed(handles);
}

} // namespace
} // namespace vandro
