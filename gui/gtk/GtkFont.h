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
    // The font as CSS declarations for a widget's own provider.
    String Css() const;

    PangoFontDescription* _description = nullptr;
    // The size as asked for; size keeps its whole points.
    double _points = 0;
};

} // namespace vandro
