#include "WindowsBrowserSite.h"

#include "WindowsHTMLView.h"

#include <exdispid.h>

namespace vandro {

namespace {

long liveSites = 0;

// The variant an event argument refers to: arguments passed by reference are followed once.
const VARIANT* Referred(const VARIANT& argument) {
    if (argument.vt == (VT_BYREF | VT_VARIANT))
        return argument.pvarVal;
    return &argument;
}

String TextOf(const VARIANT& argument) {
    const VARIANT* value = Referred(argument);
    if (value && value->vt == VT_BSTR)
        return FromWide(value->bstrVal);
    if (value && value->vt == (VT_BYREF | VT_BSTR) && value->pbstrVal)
        return FromWide(*value->pbstrVal);
    return {};
}

// Sets an event's Cancel argument, which the browser passes as a reference to a boolean.
void Cancel(const VARIANT& argument) {
    if (argument.vt == (VT_BYREF | VT_BOOL) && argument.pboolVal)
        *argument.pboolVal = VARIANT_TRUE;
}

} // namespace

TBrowserSite::TBrowserSite(TWindowsHTMLView* view, HWND host) : _view(view), _host(host) {
    ++liveSites;
}

TBrowserSite::~TBrowserSite() { --liveSites; }

long TBrowserSite::Live() { return liveSites; }

bool TBrowserSite::CanGoBack() const { return _back; }

bool TBrowserSite::CanGoForward() const { return _forward; }

int TBrowserSite::Attach(IWebBrowser2* browser) {
    _browser = browser;
    IConnectionPointContainer* points = nullptr;
    if (SUCCEEDED(browser->QueryInterface(IID_IConnectionPointContainer,
                                          reinterpret_cast<void**>(&points)))) {
        if (SUCCEEDED(points->FindConnectionPoint(DIID_DWebBrowserEvents2, &_events)) &&
            FAILED(_events->Advise(static_cast<IDispatch*>(this), &_cookie))) {
            _events->Release();
            _events = nullptr;
        }
        points->Release();
    }
    IOleObject* object = nullptr;
    if (FAILED(browser->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&object))))
        return 0;
    RECT area{};
    GetClientRect(_host, &area);
    HRESULT placed = object->SetClientSite(static_cast<IOleClientSite*>(this));
    if (SUCCEEDED(placed))
        placed = object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr,
                                static_cast<IOleClientSite*>(this), 0, _host, &area);
    object->Release();
    return SUCCEEDED(placed) ? 1 : 0;
}

void TBrowserSite::Detach() {
    if (_events) {
        _events->Unadvise(_cookie);
        _events->Release();
        _events = nullptr;
    }
    IOleObject* object = nullptr;
    if (_browser &&
        SUCCEEDED(_browser->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&object)))) {
        object->Close(OLECLOSE_NOSAVE);
        object->SetClientSite(nullptr);
        object->Release();
    }
    _browser = nullptr;
    _view = nullptr;
}

void TBrowserSite::Fit() {
    IOleInPlaceObject* placed = nullptr;
    if (!_browser || FAILED(_browser->QueryInterface(IID_IOleInPlaceObject,
                                                     reinterpret_cast<void**>(&placed))))
        return;
    RECT area{};
    GetClientRect(_host, &area);
    placed->SetObjectRects(&area, &area);
    placed->Release();
}

STDMETHODIMP TBrowserSite::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite)
        *out = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
        *out = static_cast<IOleInPlaceSite*>(this);
    else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
        *out = static_cast<IOleInPlaceFrame*>(this);
    else if (iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2)
        *out = static_cast<IDispatch*>(this);
    else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) TBrowserSite::AddRef() { return ++_refs; }

STDMETHODIMP_(ULONG) TBrowserSite::Release() {
    const long left = --_refs;
    if (left == 0)
        delete this;
    return left;
}

STDMETHODIMP TBrowserSite::SaveObject() { return E_NOTIMPL; }
STDMETHODIMP TBrowserSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    *moniker = nullptr;
    return E_NOTIMPL;
}
STDMETHODIMP TBrowserSite::GetContainer(IOleContainer** container) {
    *container = nullptr;
    return E_NOINTERFACE;
}
STDMETHODIMP TBrowserSite::ShowObject() { return S_OK; }
STDMETHODIMP TBrowserSite::OnShowWindow(BOOL) { return S_OK; }
STDMETHODIMP TBrowserSite::RequestNewObjectLayout() { return E_NOTIMPL; }

STDMETHODIMP TBrowserSite::GetWindow(HWND* window) {
    *window = _host;
    return S_OK;
}
STDMETHODIMP TBrowserSite::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

STDMETHODIMP TBrowserSite::CanInPlaceActivate() { return S_OK; }
STDMETHODIMP TBrowserSite::OnInPlaceActivate() { return S_OK; }
STDMETHODIMP TBrowserSite::OnUIActivate() { return S_OK; }

STDMETHODIMP TBrowserSite::GetWindowContext(IOleInPlaceFrame** frame,
                                            IOleInPlaceUIWindow** document, LPRECT position,
                                            LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    GetClientRect(_host, position);
    *clip = *position;
    info->fMDIApp = FALSE;
    info->hwndFrame = GetAncestor(_host, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP TBrowserSite::Scroll(SIZE) { return E_NOTIMPL; }
STDMETHODIMP TBrowserSite::OnUIDeactivate(BOOL) { return S_OK; }
STDMETHODIMP TBrowserSite::OnInPlaceDeactivate() { return S_OK; }
STDMETHODIMP TBrowserSite::DiscardUndoState() { return S_OK; }
STDMETHODIMP TBrowserSite::DeactivateAndUndo() { return S_OK; }
STDMETHODIMP TBrowserSite::OnPosRectChange(LPCRECT) {
    // The view decides the browser's place: it always fills the host.
    Fit();
    return S_OK;
}

STDMETHODIMP TBrowserSite::GetBorder(LPRECT) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP TBrowserSite::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP TBrowserSite::SetBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP TBrowserSite::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) { return S_OK; }
STDMETHODIMP TBrowserSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return E_NOTIMPL; }
STDMETHODIMP TBrowserSite::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
STDMETHODIMP TBrowserSite::RemoveMenus(HMENU) { return E_NOTIMPL; }
STDMETHODIMP TBrowserSite::SetStatusText(LPCOLESTR) { return S_OK; }
STDMETHODIMP TBrowserSite::EnableModeless(BOOL) { return S_OK; }
STDMETHODIMP TBrowserSite::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

STDMETHODIMP TBrowserSite::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}
STDMETHODIMP TBrowserSite::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
STDMETHODIMP TBrowserSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

bool TBrowserSite::TopLevel(const VARIANT& frame) const {
    const VARIANT* value = Referred(frame);
    if (!_browser || !value || value->vt != VT_DISPATCH || !value->pdispVal)
        return false;
    IUnknown* mine = nullptr;
    IUnknown* theirs = nullptr;
    _browser->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&mine));
    value->pdispVal->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&theirs));
    const bool same = mine && mine == theirs;
    if (mine)
        mine->Release();
    if (theirs)
        theirs->Release();
    return same;
}

// Arguments arrive last first: rgvarg[0] is the event's last parameter.
STDMETHODIMP TBrowserSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                  EXCEPINFO*, UINT*) {
    if (!params)
        return E_INVALIDARG;
    const VARIANT* args = params->rgvarg;
    const UINT count = params->cArgs;
    switch (id) {
    case DISPID_BEFORENAVIGATE2: // frame, address, flags, target, post data, headers, cancel
        if (count == 7 && _view && TopLevel(args[6]) && _view->BlockNavigation(TextOf(args[5])))
            Cancel(args[0]);
        return S_OK;
    case DISPID_NEWWINDOW2: // new browser, cancel
        if (count == 2)
            Cancel(args[0]);
        return S_OK;
    case DISPID_NEWWINDOW3: // new browser, cancel, flags, referring address, address
        if (count == 5)
            Cancel(args[3]);
        return S_OK;
    case DISPID_COMMANDSTATECHANGE: // command, enabled
        if (count == 2 && args[1].vt == VT_I4 && args[0].vt == VT_BOOL) {
            if (args[1].lVal == CSC_NAVIGATEBACK)
                _back = args[0].boolVal != VARIANT_FALSE;
            else if (args[1].lVal == CSC_NAVIGATEFORWARD)
                _forward = args[0].boolVal != VARIANT_FALSE;
        }
        return S_OK;
    case DISPID_DOCUMENTCOMPLETE: // frame, address
        if (count == 2 && _view && TopLevel(args[1]))
            _view->DocumentLoaded();
        return S_OK;
    default:
        return S_OK;
    }
}

} // namespace vandro
