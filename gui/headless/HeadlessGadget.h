// The base of every headless gadget with a "native" element: the handles, what the element
// shows (text, tip, font, colours), its visibility and enabled state with the inheritance from
// its group, its hot key, and the gate through which its events pass.
#pragma once

#include "HeadlessFont.h"

#include "gui/GadgetConstants.h"
#include "gui/HotKey.h"
#include "gui/PlatformGadget.h"

namespace vandro {

class THeadlessGadget : public TPlatformGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // The rectangle and the element; the children follow when the element's size changes.
    int SetArea(int x, int y, int w, int h) override;
    // 1 the element's handle, 2 its client handle (the element's own where it has none).
    int Query(int which) override;
    // Releases the element and those inside it, and leaves the group; a second Free does
    // nothing more.
    int Free() override;
    int Rethink() override;
    int ClientWidth() override;
    int ClientHeight() override;
    int Activate(int command) override;
    int State() override;
    // A text the program sets raises no event.
    int SetText(const String& text) override;
    String GetText() override;
    // Anything but a headless font selects the default font.
    int SetFont(const Ref<TGuiFont>& font) override;
    int SetColor(int red, int green, int blue) override;
    int RemoveColor() override;
    int SetTextColor(int red, int green, int blue) override;
    // Line breaks are kept as CR LF; an empty tip removes it.
    int SetTooltip(const String& tip) override;
    String GetTooltip() override;
    int SetShow(int show) override;
    int SetEnabled(int enabled) override;
    int SetHotKey(int key, int modifiers) override;

    // Its own operations.
    // Makes the element inside the group; answers the gadget.
    virtual Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text);
    virtual int FgColor();
    virtual int BgColor();
    // Nonzero while a background colour is set.
    virtual int BgBrush();
    // Takes the handles of the element: its own and, with a client area, that one too.
    virtual int Register(int gadgetClass, int withClient);
    virtual int isTabbable();
    int isControl() override;
    virtual int RethinkClient(int redraw);
    // The width of the element's border on each side, inside its rectangle.
    virtual int BorderWidth();
    // The sunken edge of text fields, text areas, list boxes and tree views.
    static constexpr int kClientEdge = 2;
    int Sensitize() override;
    virtual int DeSensitize();
    // The event gate: emits only while sensitized, with the outermost proxy as the source.
    virtual int PostGuiEvent(int id, int data, int mods, int x, int y, const Object& extra);
    // The element and every element inside it are gone, as when their window is destroyed.
    virtual int ReleaseNative();
    // The keyboard focus has gone elsewhere.
    virtual int FocusLost();
    // What the platform reports of the user's keys and mouse to a gadget that asked for them
    // with its sensitivity: the event with the outermost proxy as its source.
    int ReportKey(int id, int data, int mods);
    int ReportMouse(int id, int button, int mods, int x, int y);

    // Creates the element of an edit control: it starts on a white ground, as the platform's
    // edit fields do.
    Ref<TGadget> CreateEditElement(int gadgetClass, int style);

    // Whether the element exists.
    bool Alive() const { return _hwnd != 0; }
    // The element exists, is shown and enabled, and so is everything around it: the user can
    // reach it.
    bool Reachable();

    int _class = 0;
    int _hwnd = 0;
    int _hwndclient = 0;
    int _sensitive = 0;
    // Colours as red + (green << 8) + (blue << 16); -1 when none was set.
    int _fgcolor = -1;
    int _bgcolor = -1;
    int _bgbrush = 0;
    Ref<THeadlessFont> _font;
    String _text;
    String _tooltip;
    // What the element shows of visibility and enabling; a new element is hidden.
    int _visible = 0;
    int _nativeEnabled = 1;
    Ref<THotKey> _hotkey;
    // Where the element is, in its group's client area.
    int _nativeX = 0;
    int _nativeY = 0;
    int _nativeW = 0;
    int _nativeH = 0;
    int _redraws = 0;
};

// The handle of the window around the gadget (or of the gadget itself when it is a window),
// 0 when there is none.
int GadgetWindowHwnd(const Ref<TGadget>& gadget);
// Moves the keyboard focus to the gadget, which activates its window; null takes the focus
// away. The gadget that had the focus is told.
void FocusNative(const Ref<TGadget>& gadget);

} // namespace vandro
