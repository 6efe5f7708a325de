#include "GtkHTMLView.h"

#include "GtkWebKit.h"

#include "events/EventIds.h"
#include "events/System.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"
#include "runtime/Text.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

namespace vandro {

namespace {

gboolean OnDecidePolicy(GtkWidget*, gpointer decision, int type, gpointer data) {
    const TWebKit& webkit = WebKit();
    auto* view = static_cast<TGtkHTMLView*>(data);
    if (type == WebKitNewWindowAction) {
        webkit.ignore(decision);
        return TRUE;
    }
    if (type == WebKitResponse) {
        const String address = FromUtf8(webkit.requestUri(webkit.responseRequest(decision)));
        const bool page = webkit.isMainFrameResponse(decision);
        if (!Shielded([&] { return view->BlockResponse(address, page); }, false))
            return FALSE;
        webkit.ignore(decision);
        return TRUE;
    }
    if (type != WebKitNavigationAction)
        return FALSE;
    // A redirect continues a navigation that was let through.
    gpointer action = webkit.navigationAction(decision);
    if (!webkit.isRedirect(action)) {
        const String address = FromUtf8(webkit.requestUri(webkit.request(action)));
        Shielded([&] { view->NavigationStarts(address); });
    }
    return FALSE;
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
    // What the user asked for before is left behind by the program's page.
    _held.clear();
    go(_widget);
}

int TGtkHTMLView::SetText(const String& address) {
    if (!_widget || address.empty())
        return 0;
    const std::string uri = ToUtf8(address);
    // An about: address other than the blank page's holds the page itself, as programs written
    // for the Windows browser control give it; WebKit would show its error page for it, and
    // shows the page as the blank one's.
    const std::string about = "about:";
    const bool holdsPage = uri.compare(0, about.size(), about) == 0 && uri != "about:blank";
    if (holdsPage || uri == "about:blank")
        _page = holdsPage ? address : String();
    Navigate([&](GtkWidget* view) {
        if (holdsPage)
            WebKit().loadHtml(view, uri.c_str() + about.size(), nullptr);
        else
            WebKit().loadUri(view, uri.c_str());
    });
    return 0;
}

void TGtkHTMLView::NavigationStarts(const String& address) {
    if (!_gate.Admits(*this))
        _held.push_back(address);
}

bool TGtkHTMLView::BlockResponse(const String& address, bool page) {
    const auto held = std::find(_held.begin(), _held.end(), address);
    if (!page) {
        if (held != _held.end())
            _held.erase(held);
        return false;
    }
    if (_held.empty())
        return false;
    // Not among them, the page's navigation was redirected: the latest is the one it went on.
    TNavigationGate::Report(*this, held != _held.end() ? *held : _held.back());
    _held.clear();
    _cancelled = true;
    return true;
}

void TGtkHTMLView::Loaded() {
    if (std::exchange(_cancelled, false))
        return;
    PostGuiEvent(GadgetDone, 0, 0, 0, 0, {});
}

String TGtkHTMLView::GetText() {
    if (!_widget)
        return {};
    // A blocked first navigation leaves WebKit's address empty: the view stays on the blank page.
    const char* uri = WebKit().uri(_widget);
    if (!uri || !*uri || std::string_view(uri) == "about:blank")
        return _page.empty() ? String(u"about:blank") : _page;
    return FromUtf8(uri);
}

int TGtkHTMLView::State() { return _widget && WebKit().isLoading(_widget) ? 1 : 0; }

String TGtkHTMLView::Run(const String& script) {
    if (!_widget)
        return {};
    const TWebKit& webkit = WebKit();
    struct TRun {
        bool done = false;
        String text;
    } run;
    const auto finished = +[](GObject* view, GAsyncResult* result, gpointer data) {
        const TWebKit& webkit = WebKit();
        auto* run = static_cast<TRun*>(data);
        run->done = true;
        gpointer value = webkit.evaluateJavascriptFinish(GTK_WIDGET(view), result, nullptr);
        if (!value)
            return;
        if (webkit.isString(value)) {
            char* text = webkit.valueText(value);
            run->text = FromUtf8(text);
            g_free(text);
        }
        g_object_unref(value);
    };
    const std::string code = ToUtf8(script);
    webkit.evaluateJavascript(_widget, code.c_str(), static_cast<gssize>(code.size()), nullptr,
                              nullptr, nullptr, finished, &run);
    // The page runs it in its own process; the answer comes back through the main loop.
    while (!run.done)
        g_main_context_iteration(nullptr, TRUE);
    return run.text;
}

int TGtkHTMLView::Activate(int command) {
    if (!_widget)
        return 0;
    const TWebKit& webkit = WebKit();
    switch (command) {
    case ActivateFocus:
    case ActivateRedraw:
        return TGtkGadget::Activate(command);
    case ActivateCut:
    case ActivateCopy:
    case ActivatePaste: {
        static constexpr const char* commands[] = {"Cut", "Copy", "Paste"};
        webkit.executeEditingCommand(_widget, commands[command - ActivateCut]);
        return 0;
    }
    case ActivateBack:
        if (webkit.canGoBack(_widget))
            Navigate(webkit.goBack);
        return 0;
    case ActivateForward:
        if (webkit.canGoForward(_widget))
            Navigate(webkit.goForward);
        return 0;
    case ActivatePrint: {
        gpointer operation = webkit.newPrintOperation(_widget);
        GtkWidget* top = gtk_widget_get_toplevel(_widget);
        const int response = webkit.runPrintDialog(
            operation, gtk_widget_is_toplevel(top) ? GTK_WINDOW(top) : nullptr);
        // A started print runs on after the dialog and lets go of its operation at its end.
        if (response == WebKitPrintStarted)
            g_signal_connect(
                operation, "finished",
                G_CALLBACK(+[](GObject* printed, gpointer) { g_object_unref(printed); }), nullptr);
        else
            g_object_unref(operation);
        return 0;
    }
    default:
        return 0;
    }
}

} // namespace vandro
