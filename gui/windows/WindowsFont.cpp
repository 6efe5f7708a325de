#include "WindowsFont.h"

#include "WindowsBindings.h"
#include "WindowsGUIDriver.h"
#include "events/windows/Win32Dpi.h"

#include "runtime/Text.h"

#include <algorithm>
#include <cmath>

namespace vandro {

namespace {

HFONT CreateFace(const String& name, int height, int style, DWORD charset) {
    return Made(CreateFontW(height, 0, 0, 0, (style & FontBold) ? FW_BOLD : FW_NORMAL,
                            (style & FontItalic) ? 1 : 0, (style & FontUnderline) ? 1 : 0,
                            (style & FontStrikethrough) ? 1 : 0, charset, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, 0, Wide(name).c_str()));
}

// The screen's context with the font selected, for measuring.
class FontContext {
  public:
    explicit FontContext(HFONT font) : dc_(GetDC(nullptr)), old_(SelectObject(dc_, font)) {}
    ~FontContext() {
        SelectObject(dc_, old_);
        ReleaseDC(nullptr, dc_);
    }
    FontContext(const FontContext&) = delete;
    FontContext& operator=(const FontContext&) = delete;
    HDC dc() const { return dc_; }

  private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace

TWindowsFont::~TWindowsFont() { Replace(nullptr); }

void TWindowsFont::Replace(HFONT font) {
    for (const auto& [dpi, scaled] : _scaled)
        DeleteMade(scaled);
    _scaled.clear();
    DeleteMade(Hfont());
    handle = HandleValue(font);
}

HFONT TWindowsFont::HfontForDpi(int dpi) {
    if (dpi == SystemDpi() || !Hfont())
        return Hfont();
    HFONT& scaled = _scaled[dpi];
    if (!scaled) {
        LOGFONTW lf{};
        GetObjectW(Hfont(), sizeof lf, &lf);
        lf.lfHeight = MulDiv(lf.lfHeight, dpi, SystemDpi());
        lf.lfWidth = MulDiv(lf.lfWidth, dpi, SystemDpi());
        scaled = Made(CreateFontIndirectW(&lf));
    }
    return scaled;
}

int TWindowsFont::CharWidth(int character) {
    const FontContext context(Hfont());
    const auto unit = static_cast<UINT>(character);
    ABC abc{};
    if (GetCharABCWidthsW(context.dc(), unit, unit, &abc))
        return ToUnits(abc.abcA + static_cast<int>(abc.abcB) + abc.abcC, SystemDpi());
    INT width = 0;
    if (GetCharWidth32W(context.dc(), unit, unit, &width))
        return ToUnits(width, SystemDpi());
    return 8;
}

Ref<TWindowsFont> TWindowsFont::Load(const String& requested, double points, int fontStyle) {
    Replace(nullptr);
    const int height = -LogicalUnitsFromSize(points);
    Replace(CreateFace(requested, height, fontStyle, DEFAULT_CHARSET));
    name = NameFromHandle(Hfont());
    // A symbol font answers only for its own character set.
    if (Lower(name) != Lower(requested)) {
        const HFONT symbol = CreateFace(requested, height, fontStyle, SYMBOL_CHARSET);
        const String symbolName = NameFromHandle(symbol);
        if (Lower(symbolName) == Lower(requested)) {
            Replace(symbol);
            name = symbolName;
        } else {
            DeleteMade(symbol);
        }
    }
    size = WholePoints(points);
    style = fontStyle;
    return Ref<TWindowsFont>(this);
}

Ref<TWindowsFont> TWindowsFont::LoadFromLogFont(LOGFONTW lf, int fontStyle, double points) {
    fontStyle |= (lf.lfWeight >= FW_BOLD ? FontBold : 0) | (lf.lfItalic ? FontItalic : 0) |
                 (lf.lfUnderline ? FontUnderline : 0) | (lf.lfStrikeOut ? FontStrikethrough : 0);
    style = fontStyle;
    if (points == 0)
        points = SizeFromLogFont(lf);
    size = WholePoints(points);
    SetLogFontProperties(lf, fontStyle, points);
    lf.lfFaceName[LF_FACESIZE - 1] = L'\0';
    name = FromWide(lf.lfFaceName);
    Replace(Made(CreateFontIndirectW(&lf)));
    return Ref<TWindowsFont>(this);
}

Ref<TWindowsFont> TWindowsFont::LoadFromHandle(HFONT font) {
    LOGFONTW lf{};
    GetObjectW(font, sizeof lf, &lf);
    return LoadFromLogFont(lf, 0, 0);
}

int TWindowsFont::GetMaxCharWidth() {
    const FontContext context(Hfont());
    TEXTMETRICW metrics{};
    GetTextMetricsW(context.dc(), &metrics);
    return ToUnits(metrics.tmAveCharWidth, SystemDpi());
}

Ref<TWindowsFont> TWindowsFont::SystemFont(double points, int fontStyle) {
    const auto& query = Bindings().SystemParametersInfoW;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!query.IsNull() && query(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return New<TWindowsFont>()->LoadFromLogFont(metrics.lfMessageFont, fontStyle, points);
    return New<TWindowsFont>()->Load(u"MS Shell Dlg", points > 0 ? points : 8, fontStyle);
}

String TWindowsFont::NameFromHandle(HFONT font) {
    const FontContext context(font);
    wchar_t face[512] = L"";
    if (!GetTextFaceW(context.dc(), 512, face))
        return {};
    return FromWide(face);
}

int TWindowsFont::LogicalUnitsFromSize(double points) {
    return static_cast<int>(std::trunc(points * SystemDpi() / 72 + 0.5));
}

double TWindowsFont::SizeFromLogFont(const LOGFONTW& lf) {
    return std::abs(static_cast<double>(lf.lfHeight)) * 72 / SystemDpi();
}

void TWindowsFont::SetLogFontProperties(LOGFONTW& lf, int fontStyle, double points) {
    lf.lfWeight = (fontStyle & FontBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (fontStyle & FontItalic) ? 1 : 0;
    lf.lfUnderline = (fontStyle & FontUnderline) ? 1 : 0;
    lf.lfStrikeOut = (fontStyle & FontStrikethrough) ? 1 : 0;
    if (points > 0)
        lf.lfHeight = -LogicalUnitsFromSize(points);
}

Ref<TWindowsFont> TWindowsFont::Request(const Ref<TGuiFont>& font) {
    LOGFONTW lf{};
    CHOOSEFONTW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = TWindowsGUIDriver::GetActiveHwnd();
    request.lpLogFont = &lf;
    request.Flags = CF_SCREENFONTS | CF_PRINTERFONTS;
    if (font) {
        const std::size_t length = std::min<std::size_t>(font->name.size(), LF_FACESIZE - 1);
        font->name.copy(reinterpret_cast<char16_t*>(lf.lfFaceName), length);
        SetLogFontProperties(lf, font->style, font->size);
        request.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    HWND focus = GetFocus();
    const BOOL chosen = ChooseFontW(&request);
    SetFocus(focus);
    if (!chosen)
        return {};
    const int chosenStyle = ((request.nFontType & BOLD_FONTTYPE) ? FontBold : 0) |
                            ((request.nFontType & ITALIC_FONTTYPE) ? FontItalic : 0);
    return New<TWindowsFont>()->LoadFromLogFont(lf, chosenStyle, request.iPointSize / 10);
}

} // namespace vandro
