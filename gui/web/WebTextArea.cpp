#include "WebTextArea.h"

#include "WebDom.h"
#include "WebGUIDriver.h"
#include "WebKeyFilter.h"
#include "WebTextAreaDom.h"

#include "events/EventIds.h"
#include "events/System.h"
#include "gui/GadgetConstants.h"

#include <algorithm>
#include <cstdlib>

#include <emscripten/emscripten.h>

namespace vandro {

Ref<TGadget> TWebTextArea::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    const int handle = NewElementHandle();
    vandro_area_make(handle, GroupClient(group), (style & TextAreaWordWrap) ? 1 : 0,
                     ReadOnly() ? 1 : 0);
    Register(ClassTextArea, handle, 0);
    return Ref<TGadget>(this);
}

int TWebTextArea::ShowEnabled(int enabled) {
    const int changed = TPlatformTextArea::ShowEnabled(enabled);
    if (changed)
        vandro_area_editable(_hwnd, enabled);
    return changed;
}

int TWebTextArea::NativeLength() { return vandro_area_length(_hwnd); }

int TWebTextArea::NativeLineCount() {
    const String text = NativeText(0, NativeLength());
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), u'\n'));
}

String TWebTextArea::NativeText(int start, int end) {
    String text(static_cast<std::size_t>(std::max(end - start, 0)), u'\0');
    text.resize(static_cast<std::size_t>(vandro_area_text(_hwnd, start, end, text.data())));
    return text;
}

void TWebTextArea::ReplaceNative(int start, int end, const String& text) {
    vandro_area_replace(_hwnd, start, end, text.data(), static_cast<int>(text.size()));
    ReportSelection();
}

void TWebTextArea::NativeSelection(int& start, int& length) {
    int ends[2] = {0, 0};
    vandro_area_selection(_hwnd, ends);
    start = std::min(ends[0], ends[1]);
    length = std::abs(ends[1] - ends[0]);
}

void TWebTextArea::SelectNative(int start, int end, bool scroll) {
    const int total = NativeLength();
    vandro_area_select(_hwnd, std::clamp(start, 0, total), std::clamp(end, 0, total),
                       scroll ? 1 : 0);
    // The page reports the move later, when it is no longer the program's own.
    ReportSelection();
}

void TWebTextArea::StyleNative(int start, int end, int color, int flags) {
    vandro_area_style(_hwnd, start, end, color, flags);
}

void TWebTextArea::CopyNative() { vandro_wait_area_copy(_hwnd); }

void TWebTextArea::CutNative() {
    CopyNative();
    int start = 0, length = 0;
    NativeSelection(start, length);
    vandro_area_replace(_hwnd, start, start + length, u"", 0);
    ReportChange();
    ReportSelection();
}

bool TWebTextArea::ReadClipboard(String& text) {
    const int length = vandro_wait_area_clipboard();
    if (length < 0)
        return false;
    text.assign(static_cast<std::size_t>(length), u'\0');
    vandro_area_clipboard_text(text.data(), length);
    return true;
}

void TWebTextArea::WriteClipboard(const String& text) {
    vandro_wait_area_put_clipboard(text.data(), static_cast<int>(text.size()));
}

void TWebTextArea::PasteNative(const String* text) {
    if (!text)
        return;
    // The paste is one change, as the user sees it.
    PasteText(*text);
    FocusElement();
}

int TWebTextArea::SetTabs(int pixels) {
    if (_hwnd)
        vandro_area_tabs(_hwnd, pixels);
    return 0;
}

int TWebTextArea::SetMargins(int margin) {
    if (_hwnd)
        vandro_area_margins(_hwnd, margin);
    return 0;
}

int TWebTextArea::CharX(int index) { return _hwnd ? vandro_area_char_place(_hwnd, index, 0) : 0; }

int TWebTextArea::CharY(int index) { return _hwnd ? vandro_area_char_place(_hwnd, index, 1) : 0; }

int TWebTextArea::CharAt(int line) {
    if (!_hwnd || line < 0)
        return -1;
    const String text = NativeText(0, NativeLength());
    std::size_t at = 0;
    for (int passed = 0; passed < line; ++passed) {
        at = text.find(u'\n', at);
        if (at == String::npos)
            return -1;
        ++at;
    }
    return static_cast<int>(at);
}

int TWebTextArea::LineAt(int index) {
    if (!_hwnd)
        return 0;
    const String text = NativeText(0, std::clamp(index, 0, NativeLength()));
    return static_cast<int>(std::count(text.begin(), text.end(), u'\n'));
}

bool TWebTextArea::KeyPressed(int key, int typed, int modifiers) {
    return ReadOnlyLets(key, modifiers) && WebKeyPasses(Ref<TGadget>(this), key, typed, modifiers);
}

void TWebTextArea::RightClick(int x, int y) { PostGuiEvent(GadgetMenu, 0, 0, x, y, {}); }

} // namespace vandro

using namespace vandro;

// What the area's listeners call.
extern "C" {

// Answers 1 when the area takes the key.
EMSCRIPTEN_KEEPALIVE int vandro_web_area_key(int handle, int key, int typed, int modifiers) {
    const auto area = Cast<TWebTextArea>(GadgetFromHandle(handle));
    if (!area)
        return 1;
    return Shielded([&] { return area->KeyPressed(key, typed, modifiers) ? 1 : 0; }, 1);
}

// Typing moves the caret without a selection event of its own: the selection is looked at after
// each change.
EMSCRIPTEN_KEEPALIVE int vandro_web_area_changed(int handle) {
    if (const auto area = Cast<TWebTextArea>(GadgetFromHandle(handle)))
        Shielded([&] {
            area->ReportChange();
            area->ReportSelection();
        });
    return 0;
}

EMSCRIPTEN_KEEPALIVE int vandro_web_area_selected(int handle) {
    if (const auto area = Cast<TWebTextArea>(GadgetFromHandle(handle)))
        Shielded([&] { area->ReportSelection(); });
    return 0;
}

EMSCRIPTEN_KEEPALIVE int vandro_web_area_left(int handle) {
    if (const auto area = Cast<TWebTextArea>(GadgetFromHandle(handle)))
        Shielded([&] { area->PostGuiEvent(GadgetLostFocus, 0, 0, 0, 0, {}); });
    return 0;
}

EMSCRIPTEN_KEEPALIVE int vandro_web_area_menu(int handle, int x, int y) {
    if (const auto area = Cast<TWebTextArea>(GadgetFromHandle(handle)))
        Shielded([&] { area->RightClick(x, y); });
    return 0;
}
}
