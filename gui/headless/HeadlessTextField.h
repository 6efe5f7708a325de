// A single-line text field. Every change the user makes raises "GadgetAction"; losing the
// focus raises "GadgetLostFocus". An event filter sees each typed character first and may
// swallow it.
#pragma once

#include "HeadlessGadget.h"

namespace vandro {

class THeadlessTextField : public THeadlessGadget {
  public:
    // Focusing selects the whole text.
    int Activate(int command) override;
    // Keeps the selection, and raises nothing.
    int SetText(const String& text) override;
    int Class() override;
    // Style bit 1 hides the text behind password characters.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isTabbable() override;
    int BorderWidth() override;
    // The selection collapses to its start.
    int FocusLost() override;

    // The user types the text at the selection, one character at a time; answers how many
    // characters got through the filter.
    int UserType(const String& text);

    // Characters the text is shown with: the text, or as many password characters.
    String ShownText() const;

    int _busy = 0;
    int _selstart = 0;
    int _sellen = 0;
};

} // namespace vandro
