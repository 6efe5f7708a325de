#include "GadgetItemFunctions.h"

#include "GadgetConstants.h"
#include "GadgetFunctions.h"

namespace vandro {

int ClearGadgetItems(const Ref<TGadget>& gadget) {
    gadget->Clear();
    return 0;
}

int AddGadgetItem(const Ref<TGadget>& gadget, const String& text, int flags, int icon,
                  const String& tip, const Object& extra) {
    gadget->InsertItem(gadget->ItemCount(), text, tip, icon, extra, flags);
    return 0;
}

int InsertGadgetItem(const Ref<TGadget>& gadget, int index, const String& text, int flags, int icon,
                     const String& tip, const Object& extra) {
    gadget->InsertItem(index, text, tip, icon, extra, flags);
    return 0;
}

int ModifyGadgetItem(const Ref<TGadget>& gadget, int index, const String& text, int flags, int icon,
                     const String& tip, const Object& extra) {
    gadget->SetItem(index, text, tip, icon, extra, flags);
    return 0;
}

int RemoveGadgetItem(const Ref<TGadget>& gadget, int index) {
    gadget->RemoveItem(index);
    return 0;
}

int EnableGadgetItem(const Ref<TGadget>& gadget, int index) {
    gadget->SetItemState(index, gadget->ItemState(index) & ~ItemStateDisabled);
    return 0;
}

int DisableGadgetItem(const Ref<TGadget>& gadget, int index) {
    gadget->SetItemState(index, gadget->ItemState(index) | ItemStateDisabled);
    return 0;
}

int SelectGadgetItem(const Ref<TGadget>& gadget, int index) {
    gadget->SelectItem(index, 1);
    return 0;
}

int DeselectGadgetItem(const Ref<TGadget>& gadget, int index) {
    gadget->SelectItem(index, 0);
    return 0;
}

int ToggleGadgetItem(const Ref<TGadget>& gadget, int index) {
    gadget->SelectItem(index, 2);
    return 0;
}

int SelectedGadgetItem(const Ref<TGadget>& gadget) { return gadget->SelectedItem(); }

std::vector<int> SelectedGadgetItems(const Ref<TGadget>& gadget) { return gadget->SelectedItems(); }

int CountGadgetItems(const Ref<TGadget>& gadget) { return gadget->ItemCount(); }

String GadgetItemText(const Ref<TGadget>& gadget, int index) { return gadget->ItemText(index); }

String GadgetItemTooltip(const Ref<TGadget>& gadget, int index) { return gadget->ItemTip(index); }

int GadgetItemIcon(const Ref<TGadget>& gadget, int index) { return gadget->ItemIcon(index); }

Object GadgetItemExtra(const Ref<TGadget>& gadget, int index) { return gadget->ItemExtra(index); }

int GadgetItemFlags(const Ref<TGadget>& gadget, int index) { return gadget->ItemFlags(index); }

int SetToolbarTips(const Ref<TGadget>& toolbar, const Ref<TObjectArray>& tips) {
    int i = 0;
    for (const Object& tip : tips->elements) {
        if (!tip)
            continue;
        ModifyGadgetItem(toolbar, i, GadgetItemText(toolbar, i), GadgetItemFlags(toolbar, i),
                         GadgetItemIcon(toolbar, i), tip->ToString(), GadgetItemExtra(toolbar, i));
        ++i;
    }
    return 0;
}

int ModifyTreeNode(const Ref<TGadget>& node, const String& text, int icon) {
    node->ModifyNode(text, icon);
    return 0;
}

int FreeTreeNode(const Ref<TGadget>& node) { return FreeGadget(node); }

int ClearTreeView(const Ref<TGadget>& tree) {
    const Ref<TGadget> root = tree->RootNode();
    for (const Object& kid : root->kids->ToArray())
        if (auto node = Cast<TGadget>(kid))
            FreeGadget(node);
    return 0;
}

Ref<TGadget> TreeViewRoot(const Ref<TGadget>& tree) { return tree->RootNode(); }
Ref<TGadget> SelectedTreeNode(const Ref<TGadget>& tree) { return tree->SelectedNode(); }
int CountTreeNodes(const Ref<TGadget>& node) { return node->CountKids(); }
int SelectTreeNode(const Ref<TGadget>& node) {
    node->Activate(ActivateSelectNode);
    return 0;
}
int ExpandTreeNode(const Ref<TGadget>& node) {
    node->Activate(ActivateExpand);
    return 0;
}
int CollapseTreeNode(const Ref<TGadget>& node) {
    node->Activate(ActivateCollapse);
    return 0;
}

int NavigateHTMLView(const Ref<TGadget>& view, const String& address) {
    view->SetText(address);
    return 0;
}

String HTMLViewAddress(const Ref<TGadget>& view) { return view->GetText(); }
int HTMLViewBack(const Ref<TGadget>& view) {
    view->Activate(ActivateBack);
    return 0;
}
int HTMLViewForward(const Ref<TGadget>& view) {
    view->Activate(ActivateForward);
    return 0;
}
int HTMLViewStatus(const Ref<TGadget>& view) { return view->State(); }
String HTMLViewRun(const Ref<TGadget>& view, const String& script) { return view->Run(script); }

int SetSliderRange(const Ref<TGadget>& slider, int low, int high) {
    slider->SetRange(low, high);
    return 0;
}

int SetSliderValue(const Ref<TGadget>& slider, int value) {
    slider->SetProp(value);
    return 0;
}
int SliderValue(const Ref<TGadget>& slider) { return slider->GetProp(); }
int SetProgressValue(const Ref<TGadget>& bar, float value) {
    bar->SetValue(value);
    return 0;
}
Object CanvasGraphicsOf(const Ref<TGadget>& canvas) { return canvas->CanvasGraphics(); }

} // namespace vandro
