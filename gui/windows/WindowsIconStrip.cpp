#include "WindowsIconStrip.h"

#include "WindowsGUIDriver.h"
#include "WindowsGraphic.h"

#include "events/windows/Win32Dpi.h"
#include "graphics/PixmapLoader.h"
#include "graphics/Pixmaps.h"

namespace vandro {

namespace {

long liveImageLists = 0;

bool HasAlpha(const Ref<TPixmap>& pixmap) { return pixmap->format == 5 || pixmap->format == 6; }

Ref<TPixmap> PixmapFrom(const Object& source) {
    if (!source)
        return {};
    if (auto pixmap = Cast<TPixmap>(source))
        return pixmap;
    return LoadPixmap(StreamUrl(source));
}

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
    if (_imagelist && ImageList_Destroy(_imagelist))
        --liveImageLists;
}

int TWindowsIconStrip::IsBlankIcon(int index) {
    if (index < 0 || index >= static_cast<int>(_blanks.size()))
        return 0;
    return _blanks[static_cast<std::size_t>(index)];
}

Ref<TWindowsIconStrip> TWindowsIconStrip::Create(const Object& source) {
    const Ref<TPixmap> pixmap = PixmapFrom(source);
    if (!pixmap || pixmap->height <= 0)
        return {};
    const int size = pixmap->height;
    const int count = pixmap->width / size;
    if (count == 0)
        return {};
    auto strip = New<TWindowsIconStrip>();
    strip->pixmap = pixmap;
    strip->count = count;
    for (int notBlank : DetectNotBlank(pixmap, size, count))
        strip->_blanks.push_back(notBlank ? 0 : 1);
    // The image holds one size only: it is drawn at the screen's resolution.
    const int shown = ToDevice(size, SystemDpi());
    strip->_imagelist = BuildImageList(
        shown == size ? pixmap : ScaledStrip(pixmap, size, count, shown), shown, count);
    return strip;
}

Ref<TWindowsIconStrip> TWindowsIconStrip::CreateBlank() {
    auto pixmap = TPixmap::Create(1, 1, 6, 4);
    pixmap->ClearPixels(0);
    return Create(pixmap);
}

std::vector<int> TWindowsIconStrip::DetectNotBlank(const Ref<TPixmap>& pixmap, int size,
                                                   int count) {
    std::vector<int> notBlank(static_cast<std::size_t>(count), 0);
    for (int icon = 0; icon < count; ++icon) {
        const int left = icon * size;
        const int corner = pixmap->ReadPixel(left, 0);
        for (int y = 0; y < size && !notBlank[icon]; ++y)
            for (int x = left; x < left + size; ++x)
                if (pixmap->ReadPixel(x, y) != corner) {
                    notBlank[static_cast<std::size_t>(icon)] = 1;
                    break;
                }
    }
    return notBlank;
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

} // namespace vandro
