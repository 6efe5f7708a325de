// The page's half of the web gadget driver (WebDom.js): elements made, changed and found by
// the handle numbers the driver gives them. Texts are UTF-16, given by their start and length
// in units; colours 0xRRGGBB, -1 for the element's own. None throws (the page's listeners hold
// the program's failures for its loop), so a call needs no unwinding path around it, which
// exceptions built on JavaScript make costly.
#pragma once

extern "C" {
// Puts the platform's look into the page, with the frame's measures in CSS pixels.
void vandro_dom_start(int border, int title, int menu, int status) noexcept;
// The viewport's width (0) or height (1) in CSS pixels.
int vandro_dom_viewport(int which) noexcept;

// A window's frame (handle) with its client area (clientHandle), parts as its style asks.
void vandro_dom_make_window(int handle, int clientHandle, int style) noexcept;
// A control in the group's client area: kind 1 a push button, 2 a check box, 3 a radio
// button, 4 a label.
void vandro_dom_make_control(int handle, int group, int kind) noexcept;
void vandro_dom_remove(int handle, int clientHandle) noexcept;
// Takes the element off the page, its handle kept.
void vandro_dom_detach(int handle) noexcept;
void vandro_dom_place(int handle, int x, int y, int w, int h) noexcept;
void vandro_dom_show(int handle, int show) noexcept;
void vandro_dom_set_text(int handle, const char16_t* text, int length) noexcept;
void vandro_dom_set_tip(int handle, const char16_t* tip, int length) noexcept;
// The font as CSS ("" for the element's own).
void vandro_dom_set_look(int handle, int foreground, int background, const char16_t* font,
                         int fontLength) noexcept;
void vandro_dom_set_enabled(int handle, int enabled) noexcept;
// Frame 1 plain, 2 sunken, 3 separator; alignment 8 right, 16 centred.
void vandro_dom_set_label_style(int handle, int frame, int alignment) noexcept;
// A check box's or radio button's mark: 0 none, 1 checked, 2 indeterminate.
void vandro_dom_check(int handle, int check) noexcept;
int vandro_dom_checked(int handle) noexcept;
void vandro_dom_focus(int handle) noexcept;
// The handle of the element with the keyboard focus (or the nearest around it with one), 0
// when none of the program's has it.
int vandro_dom_focused() noexcept;
void vandro_dom_set_active(int handle, int active) noexcept;
void vandro_dom_set_status(int handle, int field, const char16_t* text, int length) noexcept;
void vandro_dom_set_opacity(int handle, int alpha) noexcept;
// The CSS cursor over every window ("": each element's own).
void vandro_dom_set_pointer(const char16_t* cursor, int length) noexcept;
// The advance width of a character, or of a text, in a CSS font, in whole pixels.
int vandro_dom_char_width(const char16_t* font, int fontLength, int character) noexcept;
int vandro_dom_text_width(const char16_t* font, int fontLength, const char16_t* text,
                          int length) noexcept;

// A menu bar (popup 0) or pop-up menu; an item of the menu above: kind 0 an entry, 1 one that
// can carry a mark, 2 a separator, with its submenu under menuHandle (0 for none).
void vandro_dom_menu_root(int handle, int popup) noexcept;
void vandro_dom_menu_item(int handle, int above, int kind, int menuHandle, const char16_t* text,
                          int length) noexcept;
void vandro_dom_menu_text(int handle, const char16_t* text, int length) noexcept;
void vandro_dom_menu_checked(int handle, int checked) noexcept;
// Shows a pop-up menu at the pointer; it calls vandro_web_popup_closed when it closes.
void vandro_dom_menu_popup(int handle) noexcept;
// Removes an item's element and the menu it owns (0 for either: none).
void vandro_dom_menu_remove(int handle, int menuHandle) noexcept;
// The menu bar the window shows (0: none).
void vandro_dom_window_menu(int handle, int root) noexcept;
}
