#include "Pixmaps.h"

#include <array>
#include <cmath>
#include <vector>

namespace vandro {

namespace {

// One output coordinate's two source neighbours and the weight of the second. The arithmetic
// is single precision throughout, so that every build gives the same bytes.
struct Tap {
    int near = 0;
    int far = 0;
    float weight = 0.0f;
};

std::vector<Tap> Taps(int sourceSize, int size) {
    const float scale = static_cast<float>(sourceSize) / static_cast<float>(size);
    std::vector<Tap> taps(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) {
        const float at = (static_cast<float>(i) + 0.5f) * scale - 0.5f;
        Tap& tap = taps[static_cast<std::size_t>(i)];
        tap.near = static_cast<int>(std::floor(at));
        tap.weight = at - static_cast<float>(tap.near);
        tap.far = tap.near + 1;
        if (tap.near < 0 || tap.near >= sourceSize - 1) {
            tap.near = tap.near < 0 ? 0 : sourceSize - 1;
            tap.far = tap.near;
            tap.weight = 0.0f;
        }
    }
    return taps;
}

float Lerp(float from, float to, float weight) { return from + (to - from) * weight; }

// Source rows filtered across, four channels an output column. Neighbouring output rows
// mostly share their two source rows, so the last two filtered rows are kept.
class FilteredRows {
  public:
    FilteredRows(const TPixmap& colours, const std::vector<Tap>& columns)
        : colours_(colours), columns_(columns) {
        for (Slot& slot : slots_)
            slot.values.resize(columns.size() * 4);
    }

    // The filtered source row; a row that is kept is not filtered again, and the row in keep
    // is not evicted for it.
    const float* Row(int row, int keep) {
        for (const Slot& slot : slots_)
            if (slot.row == row)
                return slot.values.data();
        Slot& slot = slots_[0].row == keep ? slots_[1] : slots_[0];
        slot.row = row;
        float* out = slot.values.data();
        const std::uint8_t* line = colours_.PixelPtr(0, row);
        for (const Tap& column : columns_) {
            const std::uint8_t* a = line + column.near * 4;
            const std::uint8_t* b = line + column.far * 4;
            for (int k = 0; k < 4; ++k)
                *out++ = Lerp(a[k], b[k], column.weight);
        }
        return slot.values.data();
    }

  private:
    struct Slot {
        int row = -1;
        std::vector<float> values;
    };
    const TPixmap& colours_;
    const std::vector<Tap>& columns_;
    std::array<Slot, 2> slots_;
};

} // namespace

Ref<TPixmap> ResizePixmap(const Ref<TPixmap>& pixmap, int width, int height) {
    auto result = TPixmap::Create(width, height, pixmap->format, 4);
    if (result->IsEmpty())
        return result;
    if (pixmap->width == 0 || pixmap->height == 0) {
        result->ClearPixels(0);
        return result;
    }
    const auto colours = pixmap->Convert(6);
    const auto columns = Taps(colours->width, result->width);
    FilteredRows filtered(*colours, columns);
    const std::size_t values = columns.size() * 4;
    std::vector<std::uint8_t> line(values);
    int y = 0;
    for (const Tap& row : Taps(colours->height, result->height)) {
        const float* top = filtered.Row(row.near, row.far);
        const float* bottom = filtered.Row(row.far, row.near);
        for (std::size_t k = 0; k < values; ++k)
            line[k] =
                static_cast<std::uint8_t>(static_cast<int>(Lerp(top[k], bottom[k], row.weight)));
        ConvertPixels(line.data(), 6, result->PixelPtr(0, y++), result->format, result->width);
    }
    return result;
}

} // namespace vandro
