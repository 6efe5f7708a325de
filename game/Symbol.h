// The faces of a game: symbol characters from U+2600 to U+266E, each on its own hue and on
// exactly two cards.
#pragma once

#include "runtime/Object.h"

#include <array>
#include <vector>

namespace vandro {

constexpr int kFirstCode = 0x2600;
constexpr int kLastCode = 0x266E;
// The range less the excluded codes: more symbols than this could never be found.
constexpr int kMostSymbols = kLastCode - kFirstCode + 1 - 4;

class TSymbol : public TObject {
  public:
    TSymbol(int code, int hue) : code(code), hue(hue) {}

    // Makes count new symbols with distinct codes and evenly spaced hues.
    static int PrepareSymbols(int count);
    static int SymbolIsAvailable(int code);
    int WriteColor(int& r, int& g, int& b) const;

    const int code;
    const int hue;

    // The game state's symbols of the current game, in creation order.
    static std::vector<Ref<TSymbol>>& symbols;
    // Codes that never become symbols: the umbrella with rain drops, the hot beverage, the
    // shamrock and the reversed rotated floral heart.
    static const std::array<int, 4> excludedcodes;
};

} // namespace vandro
