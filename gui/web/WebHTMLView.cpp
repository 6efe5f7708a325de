#include "WebHTMLView.h"

#include "WebGUIDriver.h"
#include "WebHTMLViewDom.h"

#include "events/EventIds.h"
#include "events/System.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"

#include <emscripten/emscripten.h>

namespace vandro {

namespace {

// The text the page answered with, of the length given.
String PageText(int length) {
    String text(static_cast<std::size_t>(length > 0 ? length : 0), u'\0');
    if (length > 0)
        vandro_html_text(text.data());
    return text;
}

} // namespace

Ref<TGadget> TWebHTMLView::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    const int handle = NewElementHandle();
    vandro_html_make(handle, GroupClient(group));
    Register(ClassHTMLView, handle, 0);
    return Ref<TGadget>(this);
}

int TWebHTMLView::Class() { return ClassHTMLView; }

int TWebHTMLView::SetText(const String& address) {
    if (_hwnd && !address.empty())
        vandro_html_navigate(_hwnd, address.data(), static_cast<int>(address.size()));
    return 0;
}

String TWebHTMLView::GetText() { return _hwnd ? PageText(vandro_html_address(_hwnd)) : String(); }

int TWebHTMLView::State() { return _hwnd ? vandro_html_loading(_hwnd) : 0; }

String TWebHTMLView::Run(const String& script) {
    if (!_hwnd)
        return {};
    return PageText(vandro_html_run(_hwnd, script.data(), static_cast<int>(script.size())));
}

int TWebHTMLView::Activate(int command) {
    if (!_hwnd)
        return 0;
    switch (command) {
    case ActivateFocus:
    case ActivateRedraw:
        return TWebGadget::Activate(command);
    case ActivateCut:
    case ActivateCopy:
    case ActivatePaste:
    case ActivatePrint:
        vandro_html_command(_hwnd, command);
        return 0;
    case ActivateBack:
    case ActivateForward:
        vandro_html_step(_hwnd, command == ActivateBack ? -1 : 1);
        return 0;
    default:
        return 0;
    }
}

bool TWebHTMLView::BlocksNavigation(const String& address) { return _gate.Blocks(*this, address); }

void TWebHTMLView::Loaded() { PostGuiEvent(GadgetDone, 0, 0, 0, 0, {}); }

} // namespace vandro

using namespace vandro;

extern "C" {

// Answers 1 when the navigation is blocked.
EMSCRIPTEN_KEEPALIVE int vandro_web_html_navigating(int handle, int length) {
    const auto view = Cast<TWebHTMLView>(GadgetFromHandle(handle));
    const String address = PageText(length);
    if (!view)
        return 0;
    return Shielded([&] { return view->BlocksNavigation(address) ? 1 : 0; }, 0);
}

EMSCRIPTEN_KEEPALIVE int vandro_web_html_loaded(int handle) {
    if (const auto view = Cast<TWebHTMLView>(GadgetFromHandle(handle)))
        Shielded([&] { view->Loaded(); });
    return 0;
}
}
