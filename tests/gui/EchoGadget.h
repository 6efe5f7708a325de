// A target for proxies: every platform operation notes its name and arguments and answers
// something no other call answers, so that a test sees which call arrived with what.
#pragma once

#include "gui/Gadget.h"
#include "runtime/Text.h"

#include <initializer_list>

namespace vandro {

class TEchoGadget : public TGadget {
  public:
    int Query(int what) override { return Note(u"Query", {what}); }
    int Free() override { return Note(u"Free", {}); }
    int Rethink() override { return Note(u"Rethink", {}); }
    int ClientWidth() override { return Note(u"ClientWidth", {}); }
    int ClientHeight() override { return Note(u"ClientHeight", {}); }
    int Activate(int command) override { return Note(u"Activate", {command}); }
    int State() override { return Note(u"State", {}); }
    int SetText(const String& text) override { return Note(u"SetText " + text, {}); }
    String GetText() override { return Said(u"GetText"); }
    int SetFont(const Ref<TGuiFont>& font) override { return Note(u"SetFont", {!!font}); }
    int SetColor(int r, int g, int b) override { return Note(u"SetColor", {r, g, b}); }
    int RemoveColor() override { return Note(u"RemoveColor", {}); }
    int SetAlpha(float alpha) override { return Note(u"SetAlpha " + FloatText(alpha), {}); }
    int SetTextColor(int r, int g, int b) override { return Note(u"SetTextColor", {r, g, b}); }
    int SetTooltip(const String& tip) override { return Note(u"SetTooltip " + tip, {}); }
    String GetTooltip() override { return Said(u"GetTooltip"); }
    int SetPixmap(const Ref<TPixmap>& pixmap, int flags) override {
        return Note(u"SetPixmap", {!!pixmap, flags});
    }
    int SetIconStrip(const Ref<TIconStrip>& strip) override {
        return Note(u"SetIconStrip", {!!strip});
    }
    int SetShow(int show) override { return Note(u"SetShow", {show}); }
    int SetEnabled(int enabled) override { return Note(u"SetEnabled", {enabled}); }
    int SetSelected(int selected) override { return Note(u"SetSelected", {selected}); }
    int SetHotKey(int key, int mods) override { return Note(u"SetHotKey", {key, mods}); }
    int Class() override { return Note(u"Class", {}); }
    String GetStatusText() override { return Said(u"GetStatusText"); }
    int SetStatusText(const String& text) override { return Note(u"SetStatusText " + text, {}); }
    Ref<TGadget> GetMenu() override { return Marked(u"GetMenu"); }
    int PopupMenu(const Ref<TGadget>& menu, const Object& extra) override {
        return Note(u"PopupMenu " + StringOf(extra), {!!menu});
    }
    int UpdateMenu() override { return Note(u"UpdateMenu", {}); }
    int SetMinimumSize(int w, int h) override { return Note(u"SetMinimumSize", {w, h}); }
    int SetMaximumSize(int w, int h) override { return Note(u"SetMaximumSize", {w, h}); }
    int ClearListItems() override { return Note(u"ClearListItems", {}); }
    int InsertListItem(int index, const String& text, const String& tip, int icon,
                       const Object& extra) override {
        return Note(u"InsertListItem " + text + u" " + tip + u" " + StringOf(extra), {index, icon});
    }
    int SetListItem(int index, const String& text, const String& tip, int icon,
                    const Object& extra) override {
        return Note(u"SetListItem " + text + u" " + tip + u" " + StringOf(extra), {index, icon});
    }
    int RemoveListItem(int index) override { return Note(u"RemoveListItem", {index}); }
    int SetListItemState(int index, int state) override {
        return Note(u"SetListItemState", {index, state});
    }
    int ListItemState(int index) override { return Note(u"ListItemState", {index}); }
    Ref<TGadget> RootNode() override { return Marked(u"RootNode"); }
    Ref<TGadget> InsertNode(int index, const String& text, int icon) override {
        Note(u"InsertNode " + text, {index, icon});
        return marker;
    }
    int ModifyNode(const String& text, int icon) override {
        return Note(u"ModifyNode " + text, {icon});
    }
    Ref<TGadget> SelectedNode() override { return Marked(u"SelectedNode"); }
    int CountKids() override { return Note(u"CountKids", {}); }
    int ReplaceText(int position, int length, const String& text, int units) override {
        return Note(u"ReplaceText " + text, {position, length, units});
    }
    int AddText(const String& text) override { return Note(u"AddText " + text, {}); }
    String AreaText(int position, int length, int units) override {
        Note(u"AreaText", {position, length, units});
        return u"answer" + IntText(answer);
    }
    int AreaLen(int units) override { return Note(u"AreaLen", {units}); }
    int LockText() override { return Note(u"LockText", {}); }
    int UnlockText() override { return Note(u"UnlockText", {}); }
    int SetTabs(int tabs) override { return Note(u"SetTabs", {tabs}); }
    int SetMargins(int margin) override { return Note(u"SetMargins", {margin}); }
    int GetCursorPos(int units) override { return Note(u"GetCursorPos", {units}); }
    int GetSelectionLength(int units) override { return Note(u"GetSelectionLength", {units}); }
    int SetStyle(int r, int g, int b, int flags, int position, int length, int units) override {
        return Note(u"SetStyle", {r, g, b, flags, position, length, units});
    }
    int SetSelection(int position, int length, int units) override {
        return Note(u"SetSelection", {position, length, units});
    }
    int CharX(int index) override { return Note(u"CharX", {index}); }
    int CharY(int index) override { return Note(u"CharY", {index}); }
    int CharAt(int line) override { return Note(u"CharAt", {line}); }
    int LineAt(int index) override { return Note(u"LineAt", {index}); }
    int SetValue(float value) override { return Note(u"SetValue " + FloatText(value), {}); }
    int SetRange(int low, int high) override { return Note(u"SetRange", {low, high}); }
    int SetProp(int value) override { return Note(u"SetProp", {value}); }
    int GetProp() override { return Note(u"GetProp", {}); }
    Object AttachGraphics(int flags) override { return Marked(u"AttachGraphics", {flags}); }
    Object CanvasGraphics() override { return Marked(u"CanvasGraphics"); }
    String Run(const String& script) override { return Said(u"Run " + script); }

    // The last call, as "Name arguments", and what it answered.
    String last;
    int answer = 100;
    Ref<TGadget> marker = New<TGadget>();

  private:
    int Note(const String& call, std::initializer_list<int> arguments) {
        last = call;
        for (int argument : arguments)
            last += u" " + IntText(argument);
        return ++answer;
    }
    String Said(const String& call) {
        Note(call, {});
        return u"answer" + IntText(answer);
    }
    Ref<TGadget> Marked(const String& call, std::initializer_list<int> arguments = {}) {
        Note(call, arguments);
        return marker;
    }
};

} // namespace vandro
