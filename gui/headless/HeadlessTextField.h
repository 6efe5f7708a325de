// A single-line text field (a password field with style bit 1). An event filter sees each typed
// character first and may swallow it.
#pragma once

#include "HeadlessGadget.h"

#include "gui/kinds/PlatformTextField.h"

namespace vandro {

class THeadlessTextField : public TPlatformTextField<THeadlessGadget> {
  public:
    // The THeadlessGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isTabbable() override;
    int BorderWidth() override;
    int FocusLost() override;

    // The user types the text at the selection, one character at a time; answers how many
    // characters got through the filter.
    int UserType(const String& text);

    // Characters the text is shown with: the text, or as many password characters.
    String ShownText() const;

    int _selstart = 0;
    int _sellen = 0;

  protected:
    // The selection stays where it was, within the new text.
    int ShowText(const String& text) override;
    void SelectAllNative() override;
    // To its start.
    void CollapseSelection() override;
};

} // namespace vandro
