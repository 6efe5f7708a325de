// A font of the headless platform, with metrics that are the same on every machine: the
// character height is the size at 96 dots per inch and characters are half as wide.
#pragma once

#include "gui/GuiFont.h"

namespace vandro {

class THeadlessFont : public TGuiFont {
  public:
    int CharWidth(int character) override;

    // The character height in pixels.
    int PixelHeight() const;

    // A face that is not installed loads as the substitute face, whose name it carries; the
    // size keeps the whole points of the size asked for.
    Ref<THeadlessFont> Load(const String& face, double points, int style);
    // Answers the next queued reply; null (cancelled) when none is queued.
    static Ref<TGuiFont> Request(const Ref<TGuiFont>& font);

    // The size as it was asked for: the character height is measured from it, while size keeps
    // only its whole points.
    double _points = 0;
};

} // namespace vandro
