// A driver that records what the toolkit asks of it and answers from settable values: the
// fonts it "loads" carry the face it is told to substitute, and gadgets are plain TGadgets.
#pragma once

#include "gui/VellumDriver.h"

#include <vector>

namespace vandro {

class TRecordingFont : public TGuiFont {
  public:
    int CharWidth(int) override { return 7; }
};

class TRecordingDriver : public TVellumDriver {
  public:
    Ref<TGuiFont> LoadFont(const String& name, int size, int style) override;
    Ref<TGadget> CreateGadget(int gadgetClass, const String& text, int x, int y, int w, int h,
                              const Ref<TGadget>& group, int style) override;
    int RequestColor(int red, int green, int blue) override;
    int SetPointer(int shape) override;
    Ref<TIconStrip> LoadIconStrip(const Object& source) override;

    // Calls written like LoadFont(Arial, 10, 1).
    std::vector<String> calls;
    // Faces loaded as something else: the substitute's name.
    String missingFace;
    String substitute = u"Arial";
    // Null answers CreateGadget gives for every class.
    bool refuseGadgets = false;
    int colorReply = 0;
    Ref<TIconStrip> strip;
};

} // namespace vandro
