// A font of the web platform: a CSS font of the face asked for, with the generic family of its
// kind behind it where the browser does not have the face.
#pragma once

#include "gui/GuiFont.h"

namespace vandro {

class TWebFont : public TGuiFont {
  public:
    // Measured by the browser in the font.
    int CharWidth(int character) override;
    // Loads the face at a size in points with the style bits.
    Ref<TWebFont> Load(const String& face, double points, int style);
    // A dialog of face, size, bold and italic, preset with the font (the system font for none);
    // null when cancelled.
    static Ref<TGuiFont> Request(const Ref<TGuiFont>& font);
    // The page's interface font, at 9 points unless a size is given.
    static Ref<TWebFont> SystemFont(double size, int style);
    // The font as a CSS font shorthand, its size in the program's 96-DPI units.
    const String& Css() const;

    // The size as asked for; size keeps its whole points.
    double _points = 0;

  private:
    // Made once when loaded: a board sets its cards' font over and over.
    String ShorthandCss() const;
    String _css;
};

} // namespace vandro
