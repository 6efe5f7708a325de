// The menu tree every platform shares, against a native half that writes down what it is
// asked: command ids, the tree opened top down and closed bottom up, the text an item opens
// with, the state kept while closed and shown at the next open, and shortcuts.
#include "DriverFixture.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"
#include "gui/MenuGadget.h"
#include "runtime/Exceptions.h"
#include "runtime/Text.h"

#include <utility>

namespace vandro {
namespace {

// What the native half was asked to do, in order.
std::vector<String> nativeCalls;

constexpr int kControl = 2;

class TTracedMenu : public TMenuGadget {
  protected:
    void NewRootMenu(int popup) override {
        nativeCalls.push_back(popup ? u"pop-up" : u"bar");
        open = true;
    }
    void AppendItem(TMenuGadget&, const String& text) override {
        nativeCalls.push_back(IntText(_item) + u": " + text);
        open = !kids->IsEmpty();
    }
    bool HasNativeMenu() const override { return open; }
    void ShowText(const String& text) override { nativeCalls.push_back(u"text " + text); }
    void ShowChecked(bool checked) override {
        nativeCalls.push_back(checked ? u"checked" : u"unchecked");
    }
    void ShowEnabled(bool enabled) override {
        nativeCalls.push_back(enabled ? u"enabled" : u"greyed");
    }
    void CloseNative() override {
        nativeCalls.push_back(u"close " + name);
        open = false;
    }

  private:
    bool open = false;
};

Ref<TMenuGadget> Menu(const String& text, int tag, const Ref<TGadget>& group) {
    const auto menu = New<TTracedMenu>();
    menu->Create(group, tag, text);
    return menu;
}

class MenuGadgetTest : public DriverTest {
  protected:
    void TearDown() override {
        nativeCalls.clear();
        DriverTest::TearDown();
    }
    std::vector<String> Asked() { return std::exchange(nativeCalls, {}); }
};

TEST_F(MenuGadgetTest, CommandIdsCountFrom101AndAreNotReused) {
    const auto root = Menu(u"", 0, nullptr);
    const auto first = Menu(u"a", 1, root);
    EXPECT_EQ(root->_key, 101);
    EXPECT_EQ(first->_key, 102);
    EXPECT_EQ(TMenuGadget::GetMenuFromKey(102), first);
    FreeGadget(first);
    EXPECT_EQ(TMenuGadget::GetMenuFromKey(102), nullptr);
    EXPECT_EQ(Menu(u"b", 2, root)->_key, 103);
    // A menu that dies without being freed leaves the table too.
    New<TTracedMenu>();
    EXPECT_EQ(TMenuGadget::GetMenuFromKey(104), nullptr);
    FreeGadget(root);
}

TEST_F(MenuGadgetTest, TheTreeOpensTopDownWithTheStateKeptWhileClosed) {
    const auto bar = Menu(u"", 0, nullptr);
    const auto game = Menu(u"&Spiel", 0, bar);
    const auto restart = Menu(u"&Neu", 300, game);
    Menu(u"", 0, game);
    const auto quit = Menu(u"&Ende", 400, game);
    quit->SetHotKey(0x51, kControl);
    restart->SetSelected(1);
    quit->SetEnabled(0);
    EXPECT_TRUE(Asked().empty());
    EXPECT_EQ(quit->State(), StateDisabled);

    bar->Open(0);
    EXPECT_EQ(Asked(), (std::vector<String>{u"bar", u"0: &Spiel", u"0: &Neu", u"checked", u"1: ",
                                            u"2: &Ende\tCtrl+Q", u"greyed"}));
    restart->SetSelected(0);
    quit->SetEnabled(1);
    EXPECT_EQ(Asked(), (std::vector<String>{u"unchecked", u"enabled"}));
    EXPECT_EQ(restart->State(), 0);

    bar->Close();
    EXPECT_EQ(Asked(), (std::vector<String>{u"close &Neu", u"close ", u"close &Ende",
                                            u"close &Spiel", u"close "}));
    restart->SetSelected(1);
    EXPECT_TRUE(Asked().empty());
    FreeGadget(bar);
}

TEST_F(MenuGadgetTest, AShortcutRewritesTheOpenItemWithItsPlainText) {
    const auto popup = Menu(u"", 0, nullptr);
    const auto find = Menu(u"{{Find}}", 9, popup);
    find->SetHotKey(0x46, kControl);
    EXPECT_TRUE(Asked().empty());
    popup->Open(1);
    Asked();
    find->SetHotKey(0x47, kControl);
    EXPECT_EQ(Asked(), std::vector<String>{u"text {{Find}}\tCtrl+G"});
    EXPECT_EQ(FindHotKeyEvent(0x46, kControl, 0), nullptr);
    EXPECT_EQ(FindHotKeyEvent(0x47, kControl, 0)->data, 9);
    FreeGadget(popup);
}

TEST_F(MenuGadgetTest, AMenuWithoutAnyWindowHasAShortcutForEveryWindow) {
    const auto popup = Menu(u"", 0, nullptr);
    const auto item = Menu(u"Find", 9, popup);
    item->SetHotKey(0x46, kControl);
    EXPECT_EQ(FindHotKeyEvent(0x46, kControl, 12345)->source, item);
    FreeGadget(popup);
    EXPECT_EQ(FindHotKeyEvent(0x46, kControl, 12345), nullptr);
}

TEST_F(MenuGadgetTest, OpeningUnderAParentWithoutAHandleFails) {
    const auto parent = Menu(u"", 0, nullptr);
    const auto child = Menu(u"x", 1, parent);
    try {
        child->Open(0);
        ADD_FAILURE() << "opened without a parent menu";
    } catch (const TKestrelException& failure) {
        EXPECT_EQ(failure.ToString(),
                  u"Parent doesn't have a handle - the desktop heap may have run out of memory!");
    }
    EXPECT_TRUE(Asked().empty());
    FreeGadget(parent);
}

} // namespace
} // namespace vandro
