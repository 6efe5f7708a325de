// A gadget driver with no platform behind it: every gadget keeps in memory what a native
// control would show, and a program or a test acts as the user through HeadlessUser.h. It is
// the reference the platform drivers are held against: the same events for the same user
// actions, the same answers to the gadgets' state questions.
#pragma once

#include "HeadlessFont.h"

#include "gui/kinds/PlatformDriver.h"

#include <array>
#include <deque>
#include <vector>

namespace vandro {

class THeadlessMenu;
class THeadlessWindow;

// The screen and the part of it that windows are maximised to (the task bar takes the rest).
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kWorkAreaHeight = 728;

class THeadlessGUIDriver : public TPlatformDriverOf<THeadlessFont, TIconStrip> {
  public:
    THeadlessGUIDriver();

    Ref<TGadget> ActiveGadget() override;
    int SetPointer(int shape) override;
    const TGadgetKinds& GadgetKinds() override;

  protected:
    // Answers the next queued reply; cancelled when none is queued.
    int RunColorChooser(int red, int green, int blue) override;
    int SystemColor(int index) override;
    String LoginName() override;
    String HostName() override;
};

// What a user of the headless platform has set up and what the platform shows.
struct HeadlessState {
    int lastHandle = 0;
    // The gadget with the keyboard focus; null when none has it.
    Ref<TGadget> focus;
    // Not owned: the window that was activated last, until it is freed.
    THeadlessWindow* activeWindow = nullptr;
    std::vector<String> faces;
    // By LookupColor index, each red + (green << 8) + (blue << 16).
    std::array<int, 5> systemColors{};
    String substituteFace = u"Arial";
    // 0xRRGGBB, or -1 for a cancelled chooser.
    std::deque<int> colorReplies;
    std::deque<Ref<TGuiFont>> fontReplies;
    // The item the user picks from the next pop-up menu; null dismisses it.
    std::deque<Ref<THeadlessMenu>> popupChoices;
    std::vector<int> pointerShapes;
    // The pointer shown over every window, a shape from 1 to 14; 0 lets each window show its own.
    int pointer = 0;
    // The names the platform reports for an unset "username" and "userdomain".
    String userName = u"spieler";
    String computerName = u"SPIELTISCH";
    String clipboard;
    int lastColorRequest = 0;
    Ref<TGuiFont> lastFontRequest;
};

// Valid while a headless driver exists.
HeadlessState& Headless();
// A fresh native handle: windows, controls, menus and fonts each take one.
int NewNativeHandle();

} // namespace vandro
