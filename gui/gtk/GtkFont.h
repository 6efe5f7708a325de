// A font of the GTK platform: a Pango font description of the face that fontconfig actually
// gives for the name asked for, which the font's name then carries.
#pragma once

#include "gui/GuiFont.h"

#include <pango/pango.h>

namespace vandro {

class TGtkFont : public TGuiFont {
  public:
    ~TGtkFont() override;

    int CharWidth(int character) override;

    // Loads the face at a size in points with the style bits.
    Ref<TGtkFont> Load(const String& face, double points, int style);
    // GTK's font chooser, preset from font when it is a GTK font; null when cancelled.
    static Ref<TGuiFont> Request(const Ref<TGuiFont>& font);
    // The desktop's interface font, at its own size unless one is given.
    static Ref<TGtkFont> SystemFont(double size, int style);
    // The font as CSS declarations for a widget's own provider.
    String Css() const;

    PangoFontDescription* _description = nullptr;
    // The size as asked for; size keeps its whole points.
    double _points = 0;
};

} // namespace vandro
