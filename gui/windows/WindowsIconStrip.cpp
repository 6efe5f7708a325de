#include "WindowsIconStrip.h"

#include "WindowsGUIDriver.h"
#include "WindowsGraphic.h"

namespace vandro {

namespace {

long liveImageLists = 0;

bool HasAlpha(const Ref<TPixmap>& pixmap) { return pixmap->format == 5 || pixmap->format == 6; }

} // namespace

TWindowsIconStrip::~TWindowsIconStrip() {
    if (_imagelist && ImageList_Destroy(_imagelist))
        --liveImageLists;
}

Ref<TWindowsIconStrip> TWindowsIconStrip::Create(const Object& source) {
    auto strip = New<TWindowsIconStrip>();
    if (!strip->Cut(IconStripImage(source)))
        return {};
    strip->_imagelist = BuildImageList(strip->pixmap, strip->pixmap->height, strip->count);
    return strip;
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

HIMAGELIST ImageListOf(const Ref<TIconStrip>& strip) {
    const Ref<TWindowsIconStrip> icons = Cast<TWindowsIconStrip>(strip);
    return icons ? icons->_imagelist : nullptr;
}

} // namespace vandro
