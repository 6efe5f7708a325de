// The page's half of the web platform's user (WebUser.js): real input through the browser's
// driver, and what the page shows of an element, found by its handle. A vandro_wait_* function
// returns once the browser has delivered the input and the page has handled it.
#pragma once

extern "C" {
// Clicks the element's centre with a button (0 left, 2 right) the number of times; 0 when it
// is not on the page, not shown or greyed.
int vandro_wait_user_click(int handle, int button, int clicks);
// Clicks one of a window's parts: 1 its close box.
int vandro_wait_user_click_part(int handle, int part);
// Presses and releases a key (a virtual-key code) with the modifier keys held.
int vandro_wait_user_key(int key, int modifiers);
// Returns after the browser has drawn twice.
void vandro_wait_user_frames();
// Clicks a link to the address that it puts into the page an HTML view shows, once the view is
// done loading, and returns once the view is done with the link; 0 when the view is not shown
// or the browser does not let the program into its page.
int vandro_wait_user_follow_link(int handle, const char16_t* address, int length);
// The next pop-up menu that shows gets the item at that place clicked.
void vandro_user_pick_from_next_popup(int place);

// How many elements the page holds, and how many rules its style sheets.
int vandro_user_element_count();
int vandro_user_style_rules();
// 1 while the element is in the page.
int vandro_user_exists(int handle);
// A text the element shows: 0 its own (a window's title, a menu item's without its shortcut),
// 1 its tip, 2 to 4 a status line's fields, 5 a menu item's shortcut after its tab. Writes up
// to capacity units and answers the length.
int vandro_user_text(int handle, int part, char16_t* buffer, int capacity);
// 0 the text colour, 1 the background, as red + (green << 8) + (blue << 16); -1 where the
// element keeps its own.
int vandro_user_color(int handle, int which);
// 4 disabled, 8 hidden, 0x10 checked, 0x40 indeterminate as well.
int vandro_user_state(int handle);
// A label's frame and alignment as the style bits of a label.
int vandro_user_label_style(int handle);
// The element's box on the page (part 0), or a window's client area (part 1): x, y, w, h.
int vandro_user_rect(int handle, int part, int* box);
int vandro_user_opacity(int handle);
// The handles of the items a menu element shows, in order; answers their count.
int vandro_user_menu_items(int handle, int* items, int capacity);
// The handle of the window the page shows as active, 0 for none.
int vandro_user_active_window();
// The CSS cursor over the element's client area, as a pointer shape (1 the arrow).
int vandro_user_pointer(int handle);
// The font the element draws with: size in 1/100 px, 1 bold + 2 italic in style; its first
// family into face. Answers 0 when it has the page's own.
int vandro_user_font(int handle, int* hundredthsPx, int* style, char16_t* face, int capacity);
}
