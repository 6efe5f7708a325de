#include "WebTextField.h"

#include "WebGUIDriver.h"
#include "WebKeyFilter.h"
#include "WebTextFieldDom.h"

#include "events/System.h"
#include "gui/GadgetConstants.h"

#include <emscripten/emscripten.h>

namespace vandro {

String TWebTextField::GetText() {
    if (!_hwnd)
        return {};
    String text(static_cast<std::size_t>(vandro_field_text(_hwnd, nullptr, 0)), u'\0');
    vandro_field_text(_hwnd, text.data(), static_cast<int>(text.size()));
    return text;
}

Ref<TGadget> TWebTextField::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    const int handle = NewElementHandle();
    vandro_field_make(handle, GroupClient(group), Password() ? 1 : 0);
    Register(ClassTextField, handle, 0);
    return Ref<TGadget>(this);
}

int TWebTextField::ShowText(const String& text) {
    if (_hwnd)
        vandro_field_set_text(_hwnd, text.data(), static_cast<int>(text.size()));
    return 0;
}

void TWebTextField::SelectAllNative() { vandro_field_select(_hwnd, 1); }

void TWebTextField::CollapseSelection() { vandro_field_select(_hwnd, 0); }

} // namespace vandro

using namespace vandro;

// What the field's listeners call; each answers 1 when the field takes the key.
extern "C" {

EMSCRIPTEN_KEEPALIVE int vandro_web_field_key(int handle, int key, int typed, int modifiers) {
    const auto field = Cast<TWebTextField>(GadgetFromHandle(handle));
    if (!field)
        return 1;
    return Shielded(
        [&] {
            if (!WebKeyPasses(field, key, typed, modifiers))
                return 0;
            if (typed == '\r')
                field->ReportEnter();
            return 1;
        },
        1);
}

EMSCRIPTEN_KEEPALIVE int vandro_web_field_changed(int handle) {
    if (const auto field = Cast<TWebTextField>(GadgetFromHandle(handle)))
        Shielded([&] { field->ReportChange(); });
    return 0;
}

EMSCRIPTEN_KEEPALIVE int vandro_web_field_left(int handle) {
    if (const auto field = Cast<TWebTextField>(GadgetFromHandle(handle)))
        Shielded([&] { field->ReportFocusLost(); });
    return 0;
}
}
