#include "WebItemGadget.h"

#include "WebItemsDom.h"

#include <vector>

namespace vandro {

void TWebItemGadget::ShowNativeItem(int index, bool added, const String& text, const String& tip,
                                    int icon) {
    const Ref<TPixmap> image = _icons && icon >= 0 ? _icons->ExtractIconPixmap(icon) : nullptr;
    std::vector<int> pixels;
    const int size = image ? image->height : 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            pixels.push_back(image->ReadPixel(x, y));
    vandro_items_show(_hwnd, index, added ? 1 : 0, text.data(), static_cast<int>(text.size()),
                      tip.data(), static_cast<int>(tip.size()),
                      pixels.empty() ? nullptr : pixels.data(), size);
    if (added)
        ItemsChanged();
}

void TWebItemGadget::RemoveNativeItem(int index) {
    vandro_items_remove(_hwnd, index);
    ItemsChanged();
}

void TWebItemGadget::ClearNativeItems() {
    vandro_items_clear(_hwnd);
    ItemsChanged();
}

} // namespace vandro
