// The numbers that travel between the toolkit core, the drivers and the application: gadget
// classes, state bits, item flags, item state bits, layout lock modes and the style bits each
// gadget kind gives its creation function (a window's are in WindowFunctions.h).
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

// Styles of CreateButton: the kind in bits 0-2, and ButtonPushLike on top.
enum ButtonStyle : int {
    ButtonPush = 0,
    ButtonCheckBox = 2,
    ButtonRadio = 3,
    // The default button of its window.
    ButtonOk = 4,
    ButtonCancel = 5,
    // A check box or radio button looks like a push button; a push button may show an image.
    ButtonPushLike = 8,
};

// Styles of CreateLabel: a frame in bits 0-2, the alignment in bits 3-4.
enum LabelStyle : int {
    LabelNoFrame = 0,
    LabelLeftAligned = 0,
    LabelPlainFrame = 1,
    LabelSunkenFrame = 2,
    // A sunken line 2 pixels across the label's shorter side; it shows no text.
    LabelSeparator = 3,
    LabelRightAligned = 8,
    LabelCentred = 16,
};

// Styles of CreatePanel: a border in bits 0-1, or a group frame.
enum PanelStyle : int {
    PanelSunkenBorder = 1,
    PanelRaisedBorder = 2,
    // A frame with the text as its caption around an inner client area.
    PanelGroupFrame = 3,
    // Reports mouse and keyboard events.
    PanelActive = 4,
    PanelCanvasStyle = 8,
};

enum TextFieldStyle : int {
    TextFieldPassword = 1,
};

enum TextAreaStyle : int {
    TextAreaWordWrap = 1,
    TextAreaReadOnly = 2,
};

enum ComboBoxStyle : int {
    ComboBoxEditable = 1,
};

enum ListBoxStyle : int {
    ListBoxMultipleSelection = 1,
};

enum TreeViewStyle : int {
    TreeViewDragAndDrop = 1,
};

enum HTMLViewStyle : int {
    // Navigation the program did not start is reported, not followed.
    HTMLViewBlockNavigation = 2,
};

// Styles of CreateSlider: the kind, and SliderHorizontal on top.
enum SliderStyle : int {
    SliderHorizontal = 1,
    SliderScrollBar = 0,
    SliderTrackBar = 4,
    SliderStepper = 8,
};

} // namespace vandro
