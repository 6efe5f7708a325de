// The module functions of list-like gadgets, tree views, HTML views, sliders, progress bars
// and canvases.
#pragma once

#include "Gadget.h"

#include <vector>

namespace vandro {

int ClearGadgetItems(const Ref<TGadget>& gadget);
int AddGadgetItem(const Ref<TGadget>& gadget, const String& text, int flags = 0, int icon = -1,
                  const String& tip = {}, const Object& extra = {});
int InsertGadgetItem(const Ref<TGadget>& gadget, int index, const String& text, int flags = 0,
                     int icon = -1, const String& tip = {}, const Object& extra = {});
int ModifyGadgetItem(const Ref<TGadget>& gadget, int index, const String& text, int flags = 0,
                     int icon = -1, const String& tip = {}, const Object& extra = {});
int RemoveGadgetItem(const Ref<TGadget>& gadget, int index);
int EnableGadgetItem(const Ref<TGadget>& gadget, int index);
int DisableGadgetItem(const Ref<TGadget>& gadget, int index);
int SelectGadgetItem(const Ref<TGadget>& gadget, int index);
int DeselectGadgetItem(const Ref<TGadget>& gadget, int index);
int ToggleGadgetItem(const Ref<TGadget>& gadget, int index);
// -1 when none or several are selected.
int SelectedGadgetItem(const Ref<TGadget>& gadget);
std::vector<int> SelectedGadgetItems(const Ref<TGadget>& gadget);
int CountGadgetItems(const Ref<TGadget>& gadget);
String GadgetItemText(const Ref<TGadget>& gadget, int index);
String GadgetItemTooltip(const Ref<TGadget>& gadget, int index);
int GadgetItemIcon(const Ref<TGadget>& gadget, int index);
Object GadgetItemExtra(const Ref<TGadget>& gadget, int index);
int GadgetItemFlags(const Ref<TGadget>& gadget, int index);
// The tips go to the items in order; null elements are skipped without using up an item.
int SetToolbarTips(const Ref<TGadget>& toolbar, const Ref<TObjectArray>& tips);

int ModifyTreeNode(const Ref<TGadget>& node, const String& text, int icon);
int FreeTreeNode(const Ref<TGadget>& node);
// Frees every node under the root.
int ClearTreeView(const Ref<TGadget>& tree);
Ref<TGadget> TreeViewRoot(const Ref<TGadget>& tree);
Ref<TGadget> SelectedTreeNode(const Ref<TGadget>& tree);
int CountTreeNodes(const Ref<TGadget>& node);
int SelectTreeNode(const Ref<TGadget>& node);
int ExpandTreeNode(const Ref<TGadget>& node);
int CollapseTreeNode(const Ref<TGadget>& node);

int NavigateHTMLView(const Ref<TGadget>& view, const String& address);
String HTMLViewAddress(const Ref<TGadget>& view);
int HTMLViewBack(const Ref<TGadget>& view);
int HTMLViewForward(const Ref<TGadget>& view);
int HTMLViewStatus(const Ref<TGadget>& view);
String HTMLViewRun(const Ref<TGadget>& view, const String& script);

int SetSliderRange(const Ref<TGadget>& slider, int low, int high);
int SetSliderValue(const Ref<TGadget>& slider, int value);
int SliderValue(const Ref<TGadget>& slider);
// A fraction from 0 to 1.
int SetProgressValue(const Ref<TGadget>& bar, float value);
Object CanvasGraphicsOf(const Ref<TGadget>& canvas);

} // namespace vandro
