#include "WindowsHTMLView.h"

#include "WindowsBrowserSite.h"
#include "WindowsGUIDriver.h"
#include "WindowsTextAreaOle.h"

#include "events/EventIds.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"
#include "runtime/Exceptions.h"

#include <mshtml.h>

namespace vandro {

namespace {

// WS_CHILD, WS_CLIPSIBLINGS, WS_CLIPCHILDREN.
constexpr DWORD kHostStyle = 0x46000000;
// {332C4425-26CB-11D0-B483-00C04FD90119}
constexpr GUID kDocument2Id{
    0x332C4425, 0x26CB, 0x11D0, {0xB4, 0x83, 0x00, 0xC0, 0x4F, 0xD9, 0x01, 0x19}};

long liveBrowsers = 0;

VARIANT TextVariant(BSTR text) {
    VARIANT variant{};
    variant.vt = VT_BSTR;
    variant.bstrVal = text;
    return variant;
}

} // namespace

long TWindowsHTMLView::LiveBrowsers() { return liveBrowsers; }

Ref<TWindowsGadget> TWindowsHTMLView::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    IID_IHTMLDocument2 = kDocument2Id;
    const HWND parent = group ? HandleFrom<HWND>(group->Query(2)) : nullptr;
    const std::wstring className = Wide(TWindowsGUIDriver::ClassName());
    const HWND host =
        MadeWindow(CreateWindowExW(0, className.c_str(), L"", kHostStyle, 0, 0, 0, 0, parent,
                                   nullptr, GetModuleHandleW(nullptr), nullptr));
    Register(ClassHTMLView, host, nullptr, 0);
    if (SUCCEEDED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWebBrowser2, reinterpret_cast<void**>(&browser))) &&
        browser) {
        ++liveBrowsers;
        mshtml = new TBrowserSite(this, host);
        mshtml->Attach(browser);
        SetText(u"about:blank");
    } else {
        browser = nullptr;
    }
    return Ref<TWindowsGadget>(this);
}

int TWindowsHTMLView::Free() {
    if (mshtml) {
        mshtml->Detach();
        mshtml->Release();
        mshtml = nullptr;
    }
    if (browser) {
        browser->Stop();
        browser->Release();
        browser = nullptr;
        --liveBrowsers;
    }
    return TWindowsGadget::Free();
}

int TWindowsHTMLView::Class() { return ClassHTMLView; }

int TWindowsHTMLView::HasResized() {
    if (mshtml)
        mshtml->Fit();
    return 0;
}

template <class Go> void TWindowsHTMLView::Navigate(Go go) {
    if (!browser)
        return;
    _gate.Expect();
    if (FAILED(go()))
        _gate.Abandon();
}

int TWindowsHTMLView::SetText(const String& address) {
    if (address.empty())
        return 0;
    Navigate([&] {
        BSTR url = NewBstr(Wide(address));
        VARIANT target = TextVariant(url);
        VARIANT empty{};
        const HRESULT started = browser->Navigate2(&target, &empty, &empty, &empty, &empty);
        FreeBstr(url);
        return started;
    });
    return 0;
}

bool TWindowsHTMLView::BlockNavigation(const String& address) {
    return _gate.Blocks(*this, address);
}

void TWindowsHTMLView::DocumentLoaded() { PostGuiEvent(GadgetDone, 0, 0, 0, 0, {}); }

String TWindowsHTMLView::GetText() {
    BSTR url = nullptr;
    if (!browser || FAILED(browser->get_LocationURL(&url)))
        return {};
    return FromWide(TakeBstr(url).c_str());
}

int TWindowsHTMLView::State() {
    VARIANT_BOOL busy = VARIANT_FALSE;
    if (browser)
        browser->get_Busy(&busy);
    return busy ? 1 : 0;
}

IHTMLDocument2* TWindowsHTMLView::Document() {
    IDispatch* dispatch = nullptr;
    if (!browser || FAILED(browser->get_Document(&dispatch)) || !dispatch)
        RuntimeError(u"no document");
    IHTMLDocument2* document = nullptr;
    const HRESULT found =
        dispatch->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(&document));
    dispatch->Release();
    if (FAILED(found) || !document)
        RuntimeError(u"no document2 interface");
    return document;
}

String TWindowsHTMLView::GetTitleText() {
    IHTMLDocument2* document = Document();
    BSTR title = nullptr;
    document->get_title(&title);
    document->Release();
    return FromWide(TakeBstr(title).c_str());
}

String TWindowsHTMLView::Run(const String& script) {
    if (!browser)
        return {};
    IDispatch* dispatch = nullptr;
    if (FAILED(browser->get_Document(&dispatch)) || !dispatch)
        return {};
    IHTMLDocument2* document = nullptr;
    dispatch->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(&document));
    dispatch->Release();
    if (!document)
        return {};
    IHTMLWindow2* window = nullptr;
    document->get_parentWindow(&window);
    document->Release();
    if (!window)
        return {};
    BSTR code = NewBstr(Wide(script));
    BSTR language = NewBstr(L"JavaScript");
    VARIANT result{};
    window->execScript(code, language, &result);
    window->Release();
    FreeBstr(code);
    FreeBstr(language);
    if (result.vt == VT_BSTR)
        return FromWide(TakeBstr(result.bstrVal).c_str());
    if ((result.vt == VT_DISPATCH || result.vt == VT_UNKNOWN) && result.punkVal)
        result.punkVal->Release();
    return {};
}

void TWindowsHTMLView::Command(OLECMDID command) {
    OLECMDF status{};
    if (browser && SUCCEEDED(browser->QueryStatusWB(command, &status)) &&
        (status & OLECMDF_ENABLED))
        browser->ExecWB(command, OLECMDEXECOPT_DODEFAULT, nullptr, nullptr);
}

int TWindowsHTMLView::Activate(int command) {
    switch (command) {
    case ActivateFocus:
    case ActivateRedraw:
        return TWindowsGadget::Activate(command);
    case ActivateCut:
        Command(OLECMDID_CUT);
        return 0;
    case ActivateCopy:
        Command(OLECMDID_COPY);
        return 0;
    case ActivatePaste:
        Command(OLECMDID_PASTE);
        return 0;
    case ActivateBack:
        if (mshtml && mshtml->CanGoBack())
            Navigate([this] { return browser->GoBack(); });
        return 0;
    case ActivateForward:
        if (mshtml && mshtml->CanGoForward())
            Navigate([this] { return browser->GoForward(); });
        return 0;
    case ActivatePrint:
        Command(OLECMDID_PRINT);
        return 0;
    default:
        return 0;
    }
}

} // namespace vandro
