#include "GtkWebKit.h"

#include "runtime/Exceptions.h"
#include "runtime/Text.h"

#include <gmodule.h>

#include <string>
#include <utility>

namespace vandro {

namespace {

constexpr const char* kLibrary = "libwebkit2gtk-4.1.so.0";

[[noreturn]] void Missing(const std::string& what) {
    RuntimeError(FromUtf8("The HTML view needs WebKitGTK (" + what +
                          "): install the package libwebkit2gtk-4.1-0"));
}

TWebKit Load() {
    GModule* library = g_module_open(
        kLibrary, static_cast<GModuleFlags>(G_MODULE_BIND_LAZY | G_MODULE_BIND_LOCAL));
    if (!library)
        Missing(g_module_error());
    // WebKit cannot be unloaded once a view ran.
    g_module_make_resident(library);
    TWebKit webkit{};
    const std::pair<const char*, void*> functions[] = {
        {"webkit_web_view_new", &webkit.newView},
        {"webkit_web_view_load_uri", &webkit.loadUri},
        {"webkit_web_view_load_html", &webkit.loadHtml},
        {"webkit_web_view_get_uri", &webkit.uri},
        {"webkit_web_view_is_loading", &webkit.isLoading},
        {"webkit_web_view_can_go_back", &webkit.canGoBack},
        {"webkit_web_view_can_go_forward", &webkit.canGoForward},
        {"webkit_web_view_go_back", &webkit.goBack},
        {"webkit_web_view_go_forward", &webkit.goForward},
        {"webkit_navigation_policy_decision_get_navigation_action", &webkit.navigationAction},
        {"webkit_navigation_action_is_redirect", &webkit.isRedirect},
        {"webkit_navigation_action_get_request", &webkit.request},
        {"webkit_uri_request_get_uri", &webkit.requestUri},
        {"webkit_policy_decision_ignore", &webkit.ignore},
        {"webkit_response_policy_decision_is_main_frame_main_resource",
         &webkit.isMainFrameResponse},
        {"webkit_response_policy_decision_get_request", &webkit.responseRequest},
        {"webkit_web_view_execute_editing_command", &webkit.executeEditingCommand},
        {"webkit_print_operation_new", &webkit.newPrintOperation},
        {"webkit_print_operation_run_dialog", &webkit.runPrintDialog},
        {"webkit_web_view_evaluate_javascript", &webkit.evaluateJavascript},
        {"webkit_web_view_evaluate_javascript_finish", &webkit.evaluateJavascriptFinish},
        // JavaScriptCore's, found through WebKit, which links it.
        {"jsc_value_is_string", &webkit.isString},
        {"jsc_value_to_string", &webkit.valueText},
    };
    for (const auto& [name, slot] : functions)
        if (!g_module_symbol(library, name, static_cast<gpointer*>(slot)))
            Missing(g_module_error());
    return webkit;
}

} // namespace

const TWebKit& WebKit() {
    static const TWebKit webkit = Load();
    return webkit;
}

} // namespace vandro
