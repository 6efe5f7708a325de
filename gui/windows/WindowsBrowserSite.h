// The container a web view gives the system's web browser object: it places the browser in the
// view's host window (client site, in-place site and a frame that offers no menus, borders or
// accelerators) and receives the browser's events, which it hands to the view. The site is a
// COM object counted by the browser as well as by the view; Detach cuts it loose from the view,
// so that a browser still holding it afterwards reaches nothing.
#pragma once

#include "events/windows/Win32.h"

#include <exdisp.h>
#include <ole2.h>

namespace vandro {

class TWindowsHTMLView;

class TBrowserSite final : public IOleClientSite,
                           public IOleInPlaceSite,
                           public IOleInPlaceFrame,
                           public IDispatch {
  public:
    // Counted once, for the caller.
    TBrowserSite(TWindowsHTMLView* view, HWND host);

    // Places the browser in the host, filling it, and listens to its events. 0 when the browser
    // refused to be placed; it is then usable for navigation but shows nothing.
    int Attach(IWebBrowser2* browser);
    // Stops listening, takes the browser out of the host and forgets the view.
    void Detach();
    // Sizes the browser to fill the host's client area, in the host's pixels.
    void Fit();
    // Whether the browser has a page to go back or forward to, as it last said.
    bool CanGoBack() const;
    bool CanGoForward() const;
    // Sites alive in this process, the caller's counts and the browser's included.
    static long Live();

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IOleClientSite
    STDMETHODIMP SaveObject() override;
    STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    STDMETHODIMP GetContainer(IOleContainer** container) override;
    STDMETHODIMP ShowObject() override;
    STDMETHODIMP OnShowWindow(BOOL show) override;
    STDMETHODIMP RequestNewObjectLayout() override;

    // IOleWindow, for the in-place site and the frame alike
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enter) override;

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override;
    STDMETHODIMP OnInPlaceActivate() override;
    STDMETHODIMP OnUIActivate() override;
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                  LPRECT position, LPRECT clip,
                                  LPOLEINPLACEFRAMEINFO info) override;
    STDMETHODIMP Scroll(SIZE extent) override;
    STDMETHODIMP OnUIDeactivate(BOOL undoable) override;
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override;
    STDMETHODIMP DeactivateAndUndo() override;
    STDMETHODIMP OnPosRectChange(LPCRECT position) override;

    // IOleInPlaceUIWindow and IOleInPlaceFrame
    STDMETHODIMP GetBorder(LPRECT border) override;
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS widths) override;
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS widths) override;
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR name) override;
    STDMETHODIMP InsertMenus(HMENU menu, LPOLEMENUGROUPWIDTHS widths) override;
    STDMETHODIMP SetMenu(HMENU menu, HOLEMENU shared, HWND object) override;
    STDMETHODIMP RemoveMenus(HMENU menu) override;
    STDMETHODIMP SetStatusText(LPCOLESTR text) override;
    STDMETHODIMP EnableModeless(BOOL enable) override;
    STDMETHODIMP TranslateAccelerator(LPMSG message, WORD id) override;

    // IDispatch, as the browser's event interface
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                               DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* error, UINT* wrong) override;

  private:
    ~TBrowserSite();
    // Whether the event's frame is the browser's top-level one.
    bool TopLevel(const VARIANT& frame) const;

    long _refs = 1;
    TWindowsHTMLView* _view;
    HWND _host;
    IWebBrowser2* _browser = nullptr;
    IConnectionPoint* _events = nullptr;
    DWORD _cookie = 0;
    bool _back = false;
    bool _forward = false;
};

} // namespace vandro
