#include "WindowsIconStrip.h"

#include "WindowsGUIDriver.h"
#include "WindowsGraphic.h"

#include "events/windows/Win32Dpi.h"
#include "graphics/Pixmaps.h"

namespace vandro {

namespace {

long liveImageLists = 0;

bool HasAlpha(const Ref<TPixmap>& pixmap) { return pixmap->format == 5 || pixmap->format == 6; }

// Each icon smoothed to the new size on its own, so that no icon takes colour from its neighbour.
Ref<TPixmap> ScaledStrip(const Ref<TPixmap>& pixmap, int size, int count, int scaled) {
    const Ref<TPixmap> strip = TPixmap::Create(scaled * count, scaled, pixmap->format, 4);
    for (int icon = 0; icon < count; ++icon)
        strip->Paste(ResizePixmap(pixmap->Window(icon * size, 0, size, size), scaled, scaled),
                     icon * scaled, 0);
    return strip;
}

} // namespace

TWindowsIconStrip::~TWindowsIconStrip() {
    const auto destroy = [](HIMAGELIST list) {
        if (list && ImageList_Destroy(list))
            --liveImageLists;
    };
    destroy(_imagelist);
    for (const auto& [dpi, list] : _sharper)
        destroy(list);
}

Ref<TWindowsIconStrip> TWindowsIconStrip::Create(const Object& source) {
    auto strip = New<TWindowsIconStrip>();
    if (!strip->Cut(IconStripImage(source)))
        return {};
    strip->_imagelist = strip->ImageListFor(SystemDpi());
    return strip;
}

HIMAGELIST TWindowsIconStrip::ImageListAt(int dpi) {
    if (dpi == SystemDpi())
        return _imagelist;
    HIMAGELIST& list = _sharper[dpi];
    if (!list)
        list = ImageListFor(dpi);
    return list;
}

HIMAGELIST TWindowsIconStrip::ImageListFor(int dpi) {
    // The image holds one size only: each icon covers its units at the resolution.
    const int size = pixmap->height;
    const int shown = ToDevice(size, dpi);
    return BuildImageList(shown == size ? pixmap : ScaledStrip(pixmap, size, count, shown), shown,
                          count);
}

Ref<TWindowsIconStrip> TWindowsIconStrip::CreateBlank() {
    auto pixmap = TPixmap::Create(1, 1, 6, 4);
    pixmap->ClearPixels(0);
    return Create(pixmap);
}

void TWindowsIconStrip::RemoveMask(const Ref<TPixmap>& pixmap) {
    if (!HasAlpha(pixmap))
        return;
    for (int y = 0; y < pixmap->height; ++y)
        for (int x = 0; x < pixmap->width; ++x)
            if (static_cast<unsigned>(pixmap->ReadPixel(x, y)) >> 24 < 128)
                pixmap->WritePixel(x, y, static_cast<int>(0xFFFFFFFFu));
}

HIMAGELIST TWindowsIconStrip::BuildImageList(const Ref<TPixmap>& pixmap, int size, int count) {
    HIMAGELIST list = nullptr;
    if (TWindowsGUIDriver::CheckCommonControlVersion() >= 1 && HasAlpha(pixmap)) {
        list = ImageList_Create(size, size, ILC_COLOR32, count, 0);
        const HBITMAP image = TWindowsGraphic::BitmapFromPixmap(pixmap, 1);
        ImageList_Add(list, image, nullptr);
        DeleteMade(image);
    } else {
        list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, count, 0);
        const HBITMAP mask = TWindowsGraphic::BitmapMaskFromPixmap(pixmap);
        // Under the mask, the image's hidden pixels are white rather than their raw colours.
        const Ref<TPixmap> opaque = pixmap->Copy();
        RemoveMask(opaque);
        const HBITMAP image = TWindowsGraphic::BitmapFromPixmap(opaque, 0);
        ImageList_Add(list, image, mask);
        DeleteMade(image);
        DeleteMade(mask);
    }
    if (list)
        ++liveImageLists;
    return list;
}

long TWindowsIconStrip::LiveImageLists() { return liveImageLists; }

HIMAGELIST ImageListOf(const Ref<TIconStrip>& strip, int dpi) {
    const Ref<TWindowsIconStrip> icons = Cast<TWindowsIconStrip>(strip);
    return icons ? icons->ImageListAt(dpi) : nullptr;
}

} // namespace vandro
