#include "WindowsFixture.h"

#include "events/EventQueue.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetCreation.h"
#include "gui/GadgetFunctions.h"
#include "gui/ToolkitStart.h"
#include "gui/WindowFunctions.h"
#include "gui/windows/WindowsGUIDriver.h"

namespace vandro {

namespace {

HWND MakeStatic(const Ref<TGadget>& group, DWORD style) {
    return MadeWindow(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                                      HandleFrom<HWND>(group->Query(2)), nullptr,
                                      GetModuleHandleW(nullptr), nullptr));
}

} // namespace

HWND NativeHandle(const Ref<TGadget>& gadget) { return HandleFrom<HWND>(gadget->Query(1)); }

Ref<TWindowsGadget> TTestGroup::Create(const Ref<TGadget>& group, int, const String&) {
    Register(ClassPanel, MakeStatic(group, WS_CLIPCHILDREN), nullptr, 0);
    return Ref<TWindowsGadget>(this);
}

Ref<TWindowsGadget> TTestEdit::Create(const Ref<TGadget>& group, int, const String&) {
    Register(ClassTextField,
             MadeWindow(CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0,
                                        0, 0, HandleFrom<HWND>(group->Query(2)), nullptr,
                                        GetModuleHandleW(nullptr), nullptr)),
             nullptr, 0);
    return Ref<TWindowsGadget>(this);
}

LRESULT TTestEdit::OnCommand(UINT, WPARAM wParam) {
    if (HIWORD(wParam) == EN_CHANGE)
        PostGuiEvent(GadgetAction, 0, 0, 0, 0, {});
    return 0;
}

Ref<TWindowsGadget> TMoveWitness::Create(const Ref<TGadget>& group, int, const String&) {
    Register(ClassLabel, MakeStatic(group, 0), nullptr, 0);
    return Ref<TWindowsGadget>(this);
}

int TMoveWitness::HasResized() {
    bool inPlace = true;
    for (const Object& kid : parent->kids->ToArray()) {
        const auto sibling = Cast<TWindowsGadget>(kid);
        RECT rect{};
        GetWindowRect(sibling->_hwnd, &rect);
        MapWindowPoints(HWND_DESKTOP, GetParent(sibling->_hwnd), reinterpret_cast<POINT*>(&rect),
                        2);
        inPlace = inPlace && rect.left == sibling->xpos && rect.top == sibling->ypos &&
                  rect.right - rect.left == sibling->width;
    }
    siblingsInPlace.push_back(inPlace);
    return 0;
}

Ref<TWindowsGadget> Place(const Ref<TWindowsGadget>& gadget, const Ref<TGadget>& group, int x,
                          int y, int w, int h) {
    gadget->Create(group, 0, u"");
    gadget->SetText(u"");
    gadget->_setparent(group, -1);
    gadget->SetShape(x, y, w, h);
    gadget->SetShow(1);
    gadget->Sensitize();
    return gadget;
}

void WindowsTest::SetUpTestSuite() {
    StartEventQueue();
    StartGuiDriver();
}

void WindowsTest::SetUp() {
    window = CreateWindow(u"Test", 60, 60, 420, 320, {}, WindowTitleBar);
    BringToFront(windowHwnd());
    recorder.Take();
}

void WindowsTest::TearDown() {
    FreeGadget(window);
    window = nullptr;
    PumpUntilQuiet();
    while (PollEvent())
        ;
}

} // namespace vandro
