#include "RecordingGadget.h"

#include "runtime/Text.h"

namespace vandro {

namespace {
String ItemCall(const char16_t* name, int index, const String& text, const String& tip, int icon) {
    return name + (u"(" + IntText(index) + u"," + text + u"," + tip + u"," + IntText(icon) + u")");
}
} // namespace

void TRecordingGadget::Record(const String& call) {
    calls.push_back(call);
    if (journal)
        journal->push_back(label + u"." + call);
}

int TRecordingGadget::Free() {
    Record(u"Free");
    // What every driver's Free does besides releasing the native element.
    _setparent(nullptr, -1);
    return 0;
}

int TRecordingGadget::Rethink() {
    rethinks.push_back({xpos, ypos, width, height});
    Record(u"Rethink");
    return 0;
}

int TRecordingGadget::ClearListItems() {
    Record(u"ClearListItems");
    shown.clear();
    states.clear();
    return 0;
}

int TRecordingGadget::InsertListItem(int index, const String& text, const String& tip, int icon,
                                     const Object&) {
    Record(ItemCall(u"InsertListItem", index, text, tip, icon));
    shown.insert(shown.begin() + index, text);
    states.insert(states.begin() + index, 0);
    return 0;
}

int TRecordingGadget::SetListItem(int index, const String& text, const String& tip, int icon,
                                  const Object&) {
    Record(ItemCall(u"SetListItem", index, text, tip, icon));
    shown.at(static_cast<std::size_t>(index)) = text;
    return 0;
}

int TRecordingGadget::RemoveListItem(int index) {
    Record(u"RemoveListItem(" + IntText(index) + u")");
    shown.erase(shown.begin() + index);
    states.erase(states.begin() + index);
    return 0;
}

int TRecordingGadget::SetListItemState(int index, int state) {
    Record(u"SetListItemState(" + IntText(index) + u"," + IntText(state) + u")");
    states.at(static_cast<std::size_t>(index)) = state;
    return 0;
}

int TRecordingGadget::ListItemState(int index) {
    return states.at(static_cast<std::size_t>(index));
}

String TRecordingGadget::ShownTexts() const {
    String out;
    for (const auto& text : shown)
        out += (out.empty() ? u"" : u",") + text;
    return out;
}

} // namespace vandro
