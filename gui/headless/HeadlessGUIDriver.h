// A gadget driver with no platform behind it: every gadget keeps in memory what a native
// control would show, and a program or a test acts as the user through HeadlessUser.h. It is
// the reference the platform drivers are held against: the same events for the same user
// actions, the same answers to the gadgets' state questions.
#pragma once

#include "HeadlessFont.h"

#include "gui/PlatformDriver.h"

#include <array>
#include <deque>
#include <vector>

namespace vandro {

class THeadlessDesktop;
class THeadlessMenu;
class THeadlessWindow;

// The screen and the part of it that windows are maximised to (the task bar takes the rest).
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kWorkAreaHeight = 728;

class THeadlessGUIDriver : public TPlatformDriver {
  public:
    THeadlessGUIDriver();

    // From the environment variables "username" and "userdomain", read when the driver starts.
    String UserName() override;
    String ComputerName() override;
    // A face that is not installed is loaded as the substitute face, whose name it carries.
    Ref<TGuiFont> LoadFont(const String& name, int size, int style) override;
    Ref<TGadget> ActiveGadget() override;
    // Answers the next queued reply; cancelled when none is queued.
    int RequestColor(int red, int green, int blue) override;
    Ref<TGuiFont> RequestFont(const Ref<TGuiFont>& font) override;
    int SetPointer(int shape) override;
    // From a pixmap, or from what the pixmap loaders read from the source.
    Ref<TIconStrip> LoadIconStrip(const Object& source) override;
    // The platform's system colours for indexes 0 to 4, answering 1; others go to the base.
    int LookupColor(int index, unsigned char& red, unsigned char& green,
                    unsigned char& blue) override;
    // The font's size is the whole points of the size, not the size rounded.
    Ref<TGuiFont> LoadFontWithDouble(const String& name, double size, int style) override;

    const TGadgetKinds& GadgetKinds() override;
    Ref<TGadget> DesktopGadget() override;
    Ref<TGuiFont> DefaultGadgetFont() override;
};

// What a user of the headless platform has set up and what the platform shows.
struct HeadlessState {
    int lastHandle = 0;
    Ref<THeadlessDesktop> desktop;
    Ref<THeadlessFont> defaultFont;
    // The gadget with the keyboard focus; null when none has it.
    Ref<TGadget> focus;
    // Not owned: the window that was activated last, until it is freed.
    THeadlessWindow* activeWindow = nullptr;
    std::vector<String> faces;
    // By LookupColor index, each red + (green << 8) + (blue << 16).
    std::array<int, 5> systemColors{};
    String substituteFace = u"Arial";
    String userName;
    String computerName;
    // 0xRRGGBB, or -1 for a cancelled chooser.
    std::deque<int> colorReplies;
    std::deque<Ref<TGuiFont>> fontReplies;
    // The item the user picks from the next pop-up menu; null dismisses it.
    std::deque<Ref<THeadlessMenu>> popupChoices;
    std::vector<int> pointerShapes;
    String clipboard;
    int lastColorRequest = 0;
    Ref<TGuiFont> lastFontRequest;
};

// Valid while a headless driver exists.
HeadlessState& Headless();
// A fresh native handle: windows, controls, menus and fonts each take one.
int NewNativeHandle();

} // namespace vandro
