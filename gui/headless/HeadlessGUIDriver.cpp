#include "HeadlessGUIDriver.h"

#include "HeadlessDesktop.h"

namespace vandro {

namespace {

HeadlessState headless;

} // namespace

HeadlessState& Headless() { return headless; }

int NewNativeHandle() { return ++headless.lastHandle; }

THeadlessGUIDriver::THeadlessGUIDriver() {
    headless = HeadlessState();
    headless.faces = {u"MS Shell Dlg", u"Arial",           u"Consolas",
                      u"Courier New",  u"Times New Roman", u"Comic Sans MS"};
    // The system colours are those the toolkit would fall back to.
    for (int index = 0; index < static_cast<int>(headless.systemColors.size()); ++index) {
        unsigned char red = 0, green = 0, blue = 0;
        TVellumDriver::LookupColor(index, red, green, blue);
        headless.systemColors[index] = red + (green << 8) + (blue << 16);
    }
    _defaultFont = LoadFont(u"MS Shell Dlg", 8, 0);
    _desktop = New<THeadlessDesktop>();
}

Ref<TGadget> THeadlessGUIDriver::ActiveGadget() { return headless.focus; }

int THeadlessGUIDriver::RunColorChooser(int red, int green, int blue) {
    headless.lastColorRequest = (red << 16) | (green << 8) | blue;
    if (headless.colorReplies.empty())
        return -1;
    const int reply = headless.colorReplies.front();
    headless.colorReplies.pop_front();
    return reply;
}

int THeadlessGUIDriver::SetPointer(int shape) {
    headless.pointerShapes.push_back(shape);
    // A shape the platform lacks shows the arrow.
    headless.pointer = shape >= 0 && shape <= 14 ? shape : 1;
    return 0;
}

String THeadlessGUIDriver::LoginName() { return headless.userName; }

String THeadlessGUIDriver::HostName() { return headless.computerName; }

int THeadlessGUIDriver::SystemColor(int index) {
    return headless.systemColors[static_cast<std::size_t>(index)];
}

} // namespace vandro
