// The page's half of the web user of trees and toolbars (WebUserTreeToolbar.js): real input on
// a tree item's parts and a toolbar's buttons, and what they show. A vandro_wait_* function
// returns once the browser has delivered the input and the page has handled it.
#pragma once

extern "C" {
// Clicks a tree item's text (part 0) or its open-close button (part 1) with a button (0 left, 2
// right) the number of times; 0 when it is not shown.
int vandro_wait_user_click_node(int handle, int part, int button, int clicks);
// Drags the item's text with the left button and lets go over the middle of the element of
// target (a window's client area).
int vandro_wait_user_drag_node(int handle, int target);
// 1 shown, 2 open, 4 chosen; 0 for an item not in the page.
int vandro_user_node_state(int handle);
// The rows a tree shows, top to bottom, each indented by two spaces for every item above it and
// ended by a line feed. Writes up to capacity units and answers the length.
int vandro_user_tree_rows(int handle, char16_t* buffer, int capacity);
// Clicks a toolbar's button; 0 for a separator or one not shown.
int vandro_wait_user_click_tool(int handle, int index);
// The tip of a toolbar's item. Writes up to capacity units and answers the length.
int vandro_user_tool_tip(int handle, int index, char16_t* buffer, int capacity);
}
