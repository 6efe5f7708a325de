#include "Symbol.h"

#include "GameState.h"

#include "runtime/Exceptions.h"
#include "runtime/Random.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vandro {

std::vector<Ref<TSymbol>>& TSymbol::symbols = GameState().symbols;
const std::array<int, 4> TSymbol::excludedcodes{0x2614, 0x2615, 0x2618, 0x2619};

namespace {

int Channel(int degrees) {
    const double v = 176 + 180 * std::cos(static_cast<double>(degrees) * (std::numbers::pi / 180));
    return static_cast<int>(std::min(std::max(96.0, v), 255.0));
}

} // namespace

int TSymbol::PrepareSymbols(int count) {
    symbols.clear();
    if (count <= 0)
        return 0;
    if (count > kMostSymbols)
        RuntimeError(u"Too many symbols for one game");
    const int step = 360 / count;
    int hue = 0;
    for (int i = 0; i < count; ++i) {
        int code;
        do
            code = RandomInt(kFirstCode, kLastCode);
        while (!SymbolIsAvailable(code));
        symbols.push_back(New<TSymbol>(code, hue));
        hue += step;
    }
    return 0;
}

int TSymbol::SymbolIsAvailable(int code) {
    if (std::find(excludedcodes.begin(), excludedcodes.end(), code) != excludedcodes.end())
        return 0;
    for (const auto& s : symbols)
        if (s && s->code == code)
            return 0;
    return 1;
}

int TSymbol::WriteColor(int& r, int& g, int& b) const {
    r = Channel(hue);
    g = Channel(hue - 120);
    b = Channel(hue - 240);
    return 0;
}

} // namespace vandro
