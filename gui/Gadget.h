// The platform-independent base of every gadget: the parent/child tree, the rectangle and the
// edge-locking layout, the items of list-like gadgets with their selection and data source,
// the event filter and the orderly tear-down. Everything that touches the platform is a
// virtual operation whose base answers 0, "" or null; a driver subclasses once per kind.
#pragma once

#include "ItemArray.h"
#include "events/Event.h"
#include "runtime/Boxed.h"
#include "runtime/Function.h"
#include "runtime/List.h"

#include <vector>

namespace vandro {

class TGuiFont;
class TIconStrip;
class TPixmap;

using EventFilter = Function<int(const Ref<TEvent>& event, const Object& context)>;

class TGadget : public TObject {
  public:
    TGadget();
    ~TGadget() override;

    // The slots below keep their order: drivers override them by slot.
    virtual int SetFilter(EventFilter filter, const Object& context);
    virtual int HasDescendant(const Ref<TGadget>& gadget);
    virtual int _setparent(const Ref<TGadget>& group, int index);
    virtual int SelectionChanged();
    virtual Ref<TGadget> Handle();
    virtual int GetXPos();
    virtual int GetYPos();
    virtual int GetWidth();
    virtual int GetHeight();
    virtual Ref<TGadget> GetGroup();
    virtual int SetShape(int x, int y, int w, int h);
    virtual int SetArea(int x, int y, int w, int h);
    virtual int SetRect(int x, int y, int w, int h);
    virtual int LockLayout();
    virtual int SetLayout(int left, int right, int top, int bottom);
    virtual int LayoutKids();
    virtual int DoLayout();
    virtual int SetDataSource(const Object& source);
    // Type function: the texts of the list's elements.
    virtual std::vector<String> KeysFromList(const Ref<TList>& list);
    // Type function: the texts of the array's non-null elements.
    virtual std::vector<String> KeysFromObjectArray(const Ref<TObjectArray>& array);
    virtual int SyncDataSource();
    virtual int SyncData(const std::vector<String>& keys);
    virtual int InsertItemFromKey(int index, const String& key);
    virtual int Clear();
    virtual int InsertItem(int index, const String& text, const String& tip, int icon,
                           const Object& extra, int flags);
    virtual int SetItem(int index, const String& text, const String& tip, int icon,
                        const Object& extra, int flags);
    virtual int RemoveItem(int index);
    virtual int ItemCount();
    virtual String ItemText(int index);
    virtual String ItemTip(int index);
    virtual int ItemFlags(int index);
    virtual int ItemIcon(int index);
    virtual Object ItemExtra(int index);
    virtual int SetItemState(int index, int state);
    virtual int ItemState(int index);
    virtual int SelectItem(int index, int op);
    virtual int SelectedItem();
    virtual std::vector<int> SelectedItems();
    virtual int Insert(const Ref<TGadget>&, int) { return 0; }
    virtual int Query(int) { return 0; }
    virtual int CleanUp();

    // The platform's operations; the base does nothing.
    virtual int Free() { return 0; }
    virtual int Rethink() { return 0; }
    virtual int ClientWidth() { return 0; }
    virtual int ClientHeight() { return 0; }
    virtual int Activate(int) { return 0; }
    virtual int State() { return 0; }
    virtual int SetText(const String&) { return 0; }
    virtual String GetText() { return {}; }
    virtual int SetFont(const Ref<TGuiFont>&) { return 0; }
    virtual int SetColor(int, int, int) { return 0; }
    virtual int RemoveColor() { return 0; }
    virtual int SetAlpha(float) { return 0; }
    virtual int SetTextColor(int, int, int) { return 0; }
    virtual int SetTooltip(const String&) { return 0; }
    virtual String GetTooltip() { return {}; }
    virtual int SetPixmap(const Ref<TPixmap>&, int) { return 0; }
    virtual int SetIconStrip(const Ref<TIconStrip>&) { return 0; }
    virtual int SetShow(int) { return 0; }
    virtual int SetEnabled(int) { return 0; }
    virtual int SetSelected(int) { return 0; }
    virtual int SetHotKey(int, int) { return 0; }
    virtual int SetSensitivity(int flags);
    virtual int GetSensitivity();
    virtual int Class() { return 0; }
    virtual String GetStatusText() { return {}; }
    virtual int SetStatusText(const String&) { return 0; }
    virtual Ref<TGadget> GetMenu() { return {}; }
    virtual int PopupMenu(const Ref<TGadget>&, const Object&) { return 0; }
    virtual int UpdateMenu() { return 0; }
    virtual int SetMinimumSize(int, int) { return 0; }
    virtual int SetMaximumSize(int, int) { return 0; }
    virtual int ClearListItems() { return 0; }
    virtual int InsertListItem(int, const String&, const String&, int, const Object&) { return 0; }
    virtual int SetListItem(int, const String&, const String&, int, const Object&) { return 0; }
    virtual int RemoveListItem(int) { return 0; }
    virtual int SetListItemState(int, int) { return 0; }
    virtual int ListItemState(int) { return 0; }
    virtual Ref<TGadget> RootNode() { return {}; }
    virtual Ref<TGadget> InsertNode(int, const String&, int) { return {}; }
    virtual int ModifyNode(const String&, int) { return 0; }
    virtual Ref<TGadget> SelectedNode() { return {}; }
    virtual int CountKids() { return 0; }
    virtual int ReplaceText(int, int, const String&, int) { return 0; }
    virtual int AddText(const String&) { return 0; }
    virtual String AreaText(int, int, int) { return {}; }
    virtual int AreaLen(int) { return 0; }
    virtual int LockText() { return 0; }
    virtual int UnlockText() { return 0; }
    virtual int SetTabs(int) { return 0; }
    virtual int SetMargins(int) { return 0; }
    virtual int GetCursorPos(int) { return 0; }
    virtual int GetSelectionLength(int) { return 0; }
    virtual int SetStyle(int, int, int, int, int, int, int) { return 0; }
    virtual int SetSelection(int, int, int) { return 0; }
    virtual int CharX(int) { return 0; }
    virtual int CharY(int) { return 0; }
    virtual int CharAt(int) { return 0; }
    virtual int LineAt(int) { return 0; }
    virtual int SetValue(float) { return 0; }
    virtual int SetRange(int, int) { return 0; }
    virtual int SetProp(int) { return 0; }
    virtual int GetProp() { return 0; }
    // The graphics layer is outside the toolkit; its contexts travel as plain objects, so
    // that no part of the toolkit needs their class (callers Cast to it).
    virtual Object AttachGraphics(int) { return {}; }
    virtual Object CanvasGraphics() { return {}; }
    virtual String Run(const String&) { return {}; }

    // Not owned: the proxy that fronts this gadget clears it when it lets go or dies.
    TGadget* source = nullptr;
    // Not owned: the group owns this gadget through its kids and clears this when it dies.
    TGadget* parent = nullptr;
    Ref<TList> kids;
    int xpos = 0;
    int ypos = 0;
    int width = 0;
    int height = 0;
    String name;
    Object extra;
    int style = 0;
    // Bit 1 asks for mouse events, bit 2 for keyboard events.
    int sensitivity = 0;
    int visible = 0;
    int total = 1;
    int lockl = 0;
    int lockr = 0;
    int lockt = 0;
    int lockb = 0;
    int lockx = 0;
    int locky = 0;
    int lockw = 0;
    int lockh = 0;
    int lockcw = 0;
    int lockch = 0;
    EventFilter eventfilter;
    Object context;
    TItemArray items;
    std::vector<int> arrPrevSelection;
    Object datasource;
    std::vector<String> datakeys;
};

// The gadget events are reported for: the outermost proxy reached through source links.
Ref<TGadget> FindOutermostGadget(const Ref<TGadget>& gadget);

} // namespace vandro
