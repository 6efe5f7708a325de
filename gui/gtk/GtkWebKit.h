// WebKitGTK, the engine of the HTML view, loaded when the first view is made: a program without
// a view never maps it (it would cost every start tens of milliseconds and megabytes). The few
// functions the view calls are found by name, so the build needs none of WebKit's files.
#pragma once

#include <gtk/gtk.h>

namespace vandro {

// WebKit's objects are opaque here; the view only hands them back to WebKit.
enum WebKitLoadEvent : int { WebKitLoadFinished = 3 };
enum WebKitPolicyDecisionType : int {
    WebKitNavigationAction = 0,
    WebKitNewWindowAction = 1,
    WebKitResponse = 2,
};
enum WebKitPrintResponse : int { WebKitPrintStarted = 0 };

struct TWebKit {
    GtkWidget* (*newView)();
    void (*loadUri)(GtkWidget* view, const char* uri);
    void (*loadHtml)(GtkWidget* view, const char* content, const char* baseUri);
    const char* (*uri)(GtkWidget* view);
    gboolean (*isLoading)(GtkWidget* view);
    gboolean (*canGoBack)(GtkWidget* view);
    gboolean (*canGoForward)(GtkWidget* view);
    void (*goBack)(GtkWidget* view);
    void (*goForward)(GtkWidget* view);
    gpointer (*navigationAction)(gpointer decision);
    gboolean (*isRedirect)(gpointer action);
    gpointer (*request)(gpointer action);
    const char* (*requestUri)(gpointer request);
    void (*ignore)(gpointer decision);
    gboolean (*isMainFrameResponse)(gpointer decision);
    gpointer (*responseRequest)(gpointer decision);
    void (*executeEditingCommand)(GtkWidget* view, const char* command);
    gpointer (*newPrintOperation)(GtkWidget* view);
    int (*runPrintDialog)(gpointer operation, GtkWindow* parent);
    void (*evaluateJavascript)(GtkWidget* view, const char* script, gssize length,
                               const char* world, const char* source, GCancellable* cancellable,
                               GAsyncReadyCallback done, gpointer data);
    gpointer (*evaluateJavascriptFinish)(GtkWidget* view, GAsyncResult* result, GError** error);
    gboolean (*isString)(gpointer value);
    char* (*valueText)(gpointer value);
};

// Loads WebKit the first time; raises a runtime error naming the package to install when the
// library or one of its functions is missing.
const TWebKit& WebKit();

} // namespace vandro
