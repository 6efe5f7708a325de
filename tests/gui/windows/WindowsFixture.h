// A window of the Windows platform in front, real input, and the events it raises; plus small
// gadgets of the test's own over plain native controls: a group that passes its enabled state
// on as every control of the base does, an edit control, and a control that notes where its
// siblings are when it learns of its own move.
#pragma once

#include "tests/events/windows/SeenEvent.h"
#include "tests/events/windows/Win32Input.h"
#include "tests/gui/EventRecorder.h"

#include "gui/windows/WindowsGadget.h"

#include <gtest/gtest.h>

#include <vector>

namespace vandro {

HWND NativeHandle(const Ref<TGadget>& gadget);

class TTestGroup : public TWindowsGadget {
  public:
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
};

// A plain edit control that reports each change of its text as "GadgetAction", through the
// base's gate.
class TTestEdit : public TWindowsGadget {
  public:
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    LRESULT OnCommand(UINT msg, WPARAM wParam) override;
};

class TMoveWitness : public TWindowsGadget {
  public:
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int HasResized() override;

    // For each time it learnt of a move: whether every sibling stood where it was sent.
    std::vector<bool> siblingsInPlace;
};

// Makes the gadget inside the group the way the driver makes its own, and places it.
Ref<TWindowsGadget> Place(const Ref<TWindowsGadget>& gadget, const Ref<TGadget>& group, int x,
                          int y, int w, int h);

class WindowsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    HWND windowHwnd() const { return NativeHandle(window); }
    std::vector<SeenEvent> Taken(std::initializer_list<int> ids) {
        return Seen(recorder.Take(), ids);
    }

    EventRecorder recorder;
    Ref<TGadget> window;
};

} // namespace vandro
