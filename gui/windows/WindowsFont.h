// A toolkit font backed by a GDI font, which it owns: every load replaces (and deletes) the
// one before, and destruction deletes the last.
#pragma once

#include "events/windows/Win32.h"

#include "gui/GuiFont.h"

#include <map>

namespace vandro {

class TWindowsFont : public TGuiFont {
  public:
    ~TWindowsFont() override;

    int CharWidth(int character) override;
    // size in points; name becomes the face GDI actually gave.
    virtual Ref<TWindowsFont> Load(const String& name, double size, int style);
    // The style bits lf already carries are added to style; a size of 0 takes lf's own.
    virtual Ref<TWindowsFont> LoadFromLogFont(LOGFONTW lf, int style, double size);
    // The handle stays the caller's: the font makes one of its own from its description.
    virtual Ref<TWindowsFont> LoadFromHandle(HFONT font);
    // The average character width, as GDI measures it, in the toolkit's units.
    virtual int GetMaxCharWidth();

    // The font dialog, preset from font when given; null when cancelled.
    static Ref<TWindowsFont> Request(const Ref<TGuiFont>& font);
    // The system's message font, or "MS Shell Dlg" when it cannot be read.
    static Ref<TWindowsFont> SystemFont(double size, int style);
    // "" when GDI cannot tell.
    static String NameFromHandle(HFONT font);
    // Points to pixels at the screen's resolution.
    static int LogicalUnitsFromSize(double size);
    static double SizeFromLogFont(const LOGFONTW& lf);
    // Writes the style bits, and the size when it is above 0.
    static void SetLogFontProperties(LOGFONTW& lf, int style, double size);

    HFONT Hfont() const { return HandleFrom<HFONT>(handle); }
    // The same font for a window at another resolution than the screen's, as large on the
    // screen; made on first use and owned by the font.
    HFONT HfontForDpi(int dpi);

  private:
    // Lets go of the scaled fonts too: they were made from the one replaced.
    void Replace(HFONT font);

    std::map<int, HFONT> _scaled;
};

} // namespace vandro
