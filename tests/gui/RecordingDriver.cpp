#include "RecordingDriver.h"

#include "runtime/Text.h"

namespace vandro {

Ref<TGuiFont> TRecordingDriver::LoadFont(const String& name, int size, int style) {
    calls.push_back(u"LoadFont(" + name + u", " + IntText(size) + u", " + IntText(style) + u")");
    auto font = New<TRecordingFont>();
    font->name = name == missingFace ? substitute : name;
    font->size = size;
    font->style = style;
    return font;
}

Ref<TGadget> TRecordingDriver::CreateGadget(int gadgetClass, const String& text, int x, int y,
                                            int w, int h, const Ref<TGadget>& group, int style) {
    calls.push_back(u"CreateGadget(" + IntText(gadgetClass) + u", " + text + u", " + IntText(x) +
                    u", " + IntText(y) + u", " + IntText(w) + u", " + IntText(h) + u", " +
                    (group ? group->name : u"null") + u", " + IntText(style) + u")");
    if (refuseGadgets)
        return {};
    auto gadget = New<TGadget>();
    gadget->name = text;
    gadget->style = style;
    return gadget;
}

int TRecordingDriver::RequestColor(int red, int green, int blue) {
    calls.push_back(u"RequestColor(" + IntText(red) + u", " + IntText(green) + u", " +
                    IntText(blue) + u")");
    return colorReply;
}

int TRecordingDriver::SetPointer(int shape) {
    calls.push_back(u"SetPointer(" + IntText(shape) + u")");
    return 0;
}

Ref<TIconStrip> TRecordingDriver::LoadIconStrip(const Object&) {
    calls.push_back(u"LoadIconStrip");
    return strip;
}

} // namespace vandro
