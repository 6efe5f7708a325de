// The page's half of the tree view (WebTreeView.js): a tree element of nested tree items, each
// node's item found by its own handle. Texts are UTF-16, given by their start and length.
#pragma once

extern "C" {
// A tree in the group's client area; style bit 1 lets the user drag its nodes.
void vandro_dom_tree_make(int handle, int group, int style);
// A node's item under the item above (the tree's handle for a node at the top) at position, 0
// first; icon -1 shows none.
void vandro_dom_tree_insert(int handle, int above, int position, const char16_t* text, int length,
                            int icon);
// Takes the item and those under it out of the tree.
void vandro_dom_tree_remove(int handle);
// Lets go of the handle of an item that went.
void vandro_dom_tree_forget(int handle);
void vandro_dom_tree_show(int handle, const char16_t* text, int length, int icon);
// Writes up to capacity units of the item's text and answers its length.
int vandro_dom_tree_text(int handle, char16_t* buffer, int capacity);
// Opens (1) or closes (0) an item; only one with items under it shows open.
void vandro_dom_tree_open(int handle, int open);
// Shows the item as the tree's choice and brings it into view.
void vandro_dom_tree_choose(int tree, int handle);
// Shows each item's icon again from the tree's strip.
void vandro_dom_tree_icons(int tree);
}
