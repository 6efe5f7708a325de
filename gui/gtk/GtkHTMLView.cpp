#include "GtkHTMLView.h"

#include "GtkWebKit.h"

#include "events/EventIds.h"
#include "events/System.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"
#include "runtime/Text.h"

namespace vandro {

namespace {

gboolean OnDecidePolicy(GtkWidget*, gpointer decision, int type, gpointer data) {
    const TWebKit& webkit = WebKit();
    if (type == WebKitNewWindowAction) {
        webkit.ignore(decision);
        return TRUE;
    }
    if (type != WebKitNavigationAction)
        return FALSE;
    // A redirect continues a navigation that was let through.
    gpointer action = webkit.navigationAction(decision);
    if (webkit.isRedirect(action))
        return FALSE;
    const String address = FromUtf8(webkit.requestUri(webkit.request(action)));
    if (!Shielded([&] { return static_cast<TGtkHTMLView*>(data)->BlockNavigation(address); },
                  false))
        return FALSE;
    webkit.ignore(decision);
    return TRUE;
}

// A page's request for a new window gets none.
GtkWidget* OnCreate(GtkWidget*, gpointer, gpointer) { return nullptr; }

void OnLoadChanged(GtkWidget*, int event, gpointer data) {
    if (event == WebKitLoadFinished)
        Shielded([&] { static_cast<TGtkHTMLView*>(data)->Loaded(); });
}

} // namespace

Ref<TGadget> TGtkHTMLView::Create(const Ref<TGadget>& group, int style, const String&) {
    const TWebKit& webkit = WebKit();
    this->style = style;
    GtkWidget* view = webkit.newView();
    if (const auto outer = Cast<TGtkGadget>(group); outer && outer->ChildContainer())
        gtk_fixed_put(GTK_FIXED(outer->ChildContainer()), view, 0, 0);
    Register(ClassHTMLView, view, nullptr);
    g_signal_connect(view, "decide-policy", G_CALLBACK(OnDecidePolicy), this);
    g_signal_connect(view, "create", G_CALLBACK(OnCreate), this);
    g_signal_connect(view, "load-changed", G_CALLBACK(OnLoadChanged), this);
    return Ref<TGadget>(this);
}

int TGtkHTMLView::Class() { return ClassHTMLView; }

template <class Go> void TGtkHTMLView::Navigate(Go go) {
    _gate.Expect();
    go(_widget);
}

int TGtkHTMLView::SetText(const String& address) {
    if (!_widget || address.empty())
        return 0;
    Navigate([&](GtkWidget* view) { WebKit().loadUri(view, ToUtf8(address).c_str()); });
    return 0;
}

bool TGtkHTMLView::BlockNavigation(const String& address) { return _gate.Blocks(*this, address); }

void TGtkHTMLView::Loaded() { PostGuiEvent(GadgetDone, 0, 0, 0, 0, {}); }

String TGtkHTMLView::GetText() {
    if (!_widget)
        return {};
    const char* uri = WebKit().uri(_widget);
    return uri ? FromUtf8(uri) : String(u"about:blank");
}

int TGtkHTMLView::State() { return _widget && WebKit().isLoading(_widget) ? 1 : 0; }

int TGtkHTMLView::Activate(int command) {
    if (!_widget)
        return 0;
    const TWebKit& webkit = WebKit();
    if (command == ActivateBack && webkit.canGoBack(_widget))
        Navigate(webkit.goBack);
    else if (command == ActivateForward && webkit.canGoForward(_widget))
        Navigate(webkit.goForward);
    else if (command != ActivateBack && command != ActivateForward)
        return TGtkGadget::Activate(command);
    return 0;
}

} // namespace vandro
