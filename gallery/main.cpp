#include "GalleryWindow.h"

#include "events/EventQueue.h"
#include "gui/ToolkitStart.h"
#include "runtime/Application.h"

namespace {

int GalleryMain() {
    vandro::StartRuntime();
    vandro::StartEventQueue();
    vandro::StartGuiDriver();
    vandro::BuildGallery();
    for (;;) {
        vandro::WaitEvent();
        if (vandro::ReactToGalleryEvent())
            vandro::EndProgram();
    }
}

} // namespace

int main() { return vandro::RunProgram(GalleryMain); }
