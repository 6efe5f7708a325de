// The numbers that travel between the toolkit core, the drivers and the application: gadget
// classes, state bits, item flags, item state bits and layout lock modes.
#pragma once

namespace vandro {

// What Class() answers and what the driver's CreateGadget is asked for.
enum GadgetClass : int {
    ClassDesktop = 0,
    ClassWindow = 1,
    ClassButton = 2,
    ClassPanel = 3,
    ClassTextField = 4,
    ClassTextArea = 5,
    ClassComboBox = 6,
    ClassListBox = 7,
    ClassToolbar = 8,
    ClassTabber = 9,
    ClassTreeView = 10,
    ClassHTMLView = 11,
    ClassLabel = 12,
    ClassSlider = 13,
    ClassProgressBar = 14,
    ClassMenu = 15,
    ClassTreeNode = 16,
    ClassCanvas = 17,
};

// Bits of State(); a three-state button answers checked and indeterminate together.
enum GadgetState : int {
    StateMinimized = 1,
    StateMaximized = 2,
    StateDisabled = 4,
    StateHidden = 8,
    StateChecked = 0x10,
    StateIndeterminate = 0x40,
};

// Bits of the flags of InsertItem and SetItem.
enum ItemFlag : int {
    ItemFlagSelect = 1,
    // The driver flips the selection on activation; the selected image is at icon + 1.
    ItemFlagToggle = 2,
    // Text and tip are localization strings.
    ItemFlagLocalized = 4,
};

// Bits of the item states the driver keeps behind SetListItemState and ListItemState.
enum ItemState : int {
    ItemStateDisabled = 4,
    ItemStateSelected = 0x10,
};

// Values of lockl, lockr, lockt and lockb; any other value leaves the edge where it is.
enum LockMode : int {
    // The edge follows the opposite one; both free keeps the size and centres it.
    LockFree = 0,
    // The edge keeps its distance from the same edge of the parent's client area.
    LockFixed = 1,
    // The edge's position scales with the client size.
    LockProportional = 2,
};

} // namespace vandro
