// Trees of gadgets with hostile rectangles and lock modes, laid out at hostile client sizes. The
// arithmetic never leaves 32 bits undefined (UBSan watches), and the layout keeps its promises:
// - no width or height is ever negative, and no layout changes a lock record;
// - windows, menus and tree nodes are never moved by their parent;
// - a second layout at the same client size changes nothing;
// - where every edge up to the top has mode 0, 1 or 2, a rectangle depends only on the lock
//   record and the client size: coming back to a size gives the same rectangle back;
// - a fixed left (top) edge keeps its place, a proportional one scales with the client, a fixed
//   right (bottom) edge keeps its distance from the client's edge, and a gadget with a free
//   edge keeps its locked size; all of it modulo 2^32, as the arithmetic is 32-bit.
#include "gui/Gadget.h"
#include "gui/GadgetConstants.h"
#include "tests/support/FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

using namespace vandro;

namespace {

// A gadget whose client area is its rectangle less a frame, as a native container's is.
class TFramedGadget : public TGadget {
  public:
    int ClientWidth() override { return width - frame; }
    int ClientHeight() override { return height - frame; }
    int Class() override { return kind; }

    int kind = ClassPanel;
    int frame = 0;
};

int Hostile(FuzzedDataProvider& in) {
    static constexpr int kEdges[] = {INT_MIN, INT_MIN + 1, -46341,  -1,          0,
                                     1,       46341,       1 << 30, INT_MAX - 1, INT_MAX};
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0:
        return in.ConsumeIntegralInRange(-50, 300);
    case 1:
        return in.PickValueInArray(kEdges);
    default:
        return in.ConsumeIntegral<int>();
    }
}

int Mode(FuzzedDataProvider& in) {
    return in.ConsumeBool() ? in.ConsumeIntegralInRange(-1, 3) : in.ConsumeIntegral<int>();
}

std::int32_t Wrap(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

struct Rect {
    int x, y, w, h;
    bool operator==(const Rect&) const = default;
};

Rect RectOf(const TGadget& g) { return {g.xpos, g.ypos, g.width, g.height}; }

struct Record {
    int x, y, w, h, cw, ch;
    bool operator==(const Record&) const = default;
};

Record RecordOf(const TGadget& g) {
    return {g.lockx, g.locky, g.lockw, g.lockh, g.lockcw, g.lockch};
}

bool Pinned(const TFramedGadget& g) {
    return g.kind == ClassWindow || g.kind == ClassMenu || g.kind == ClassTreeNode;
}

bool PlainModes(const TGadget& g) {
    for (int mode : {g.lockl, g.lockr, g.lockt, g.lockb})
        if (mode < LockFree || mode > LockProportional)
            return false;
    return true;
}

// One axis of a gadget laid out at client size client: position, size, edge modes, and the
// lock record's position, size and client size.
void CheckAxis(int pos, int size, int low, int high, int lockPos, int lockSize, int lockClient,
               int client) {
    Require(size >= 0);
    if (low == LockFixed)
        Require(pos == lockPos);
    if (low == LockProportional)
        Require(pos == Wrap(std::int64_t{client} * lockPos) / lockClient);
    const bool plain =
        low >= LockFree && low <= LockProportional && high >= LockFree && high <= LockProportional;
    if (plain && (low == LockFree || high == LockFree))
        Require(size == lockSize);
    // The distance from the right edge to the client's, as locked and now.
    if (high == LockFixed && size > 0)
        Require(Wrap(std::int64_t{client} - pos - size) ==
                Wrap(std::int64_t{lockClient} - lockPos - lockSize));
}

struct Tree {
    Ref<TFramedGadget> root = New<TFramedGadget>();
    std::vector<Ref<TFramedGadget>> gadgets;
    std::vector<Record> records;
    std::vector<Rect> pinned;

    // Laid out by every resize of the root: no pinned gadget between it and the root.
    bool Moves(const TFramedGadget& g) const {
        for (const TGadget* at = &g; at != root.get(); at = at->parent)
            if (Pinned(static_cast<const TFramedGadget&>(*at)))
                return false;
        return true;
    }
    // Placed by its lock record and the client size alone, all the way up.
    bool Stable(const TFramedGadget& g) const {
        for (const TGadget* at = &g; at != root.get(); at = at->parent)
            if (!Pinned(static_cast<const TFramedGadget&>(*at)) && !PlainModes(*at))
                return false;
        return true;
    }

    std::vector<Rect> Rects() const {
        std::vector<Rect> rects;
        for (const auto& g : gadgets)
            rects.push_back(RectOf(*g));
        return rects;
    }

    void Resize(int width, int height) {
        root->SetArea(0, 0, width, height);
        for (std::size_t i = 0; i < gadgets.size(); ++i) {
            const TFramedGadget& g = *gadgets[i];
            Require(g.width >= 0 && g.height >= 0);
            Require(RecordOf(g) == records[i]);
            if (Pinned(g))
                Require(RectOf(g) == pinned[i]);
            if (Pinned(g) || !Moves(g))
                continue;
            const int cw = std::max(g.parent->ClientWidth(), 1);
            const int ch = std::max(g.parent->ClientHeight(), 1);
            CheckAxis(g.xpos, g.width, g.lockl, g.lockr, g.lockx, g.lockw, g.lockcw, cw);
            CheckAxis(g.ypos, g.height, g.lockt, g.lockb, g.locky, g.lockh, g.lockch, ch);
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    Tree tree;
    tree.root->frame = in.ConsumeIntegralInRange(0, 8);
    tree.root->SetRect(0, 0, Hostile(in), Hostile(in));
    const int count = in.ConsumeIntegralInRange(1, 8);
    for (int i = 0; i < count; ++i) {
        auto g = New<TFramedGadget>();
        static constexpr int kKinds[] = {ClassPanel, ClassButton,   ClassWindow,
                                         ClassMenu,  ClassTreeNode, ClassDesktop};
        g->kind = in.PickValueInArray(kKinds);
        g->frame = in.ConsumeIntegralInRange(0, 8);
        const int parent = in.ConsumeIntegralInRange(-1, i - 1);
        g->_setparent(parent < 0 ? Ref<TGadget>(tree.root) : Ref<TGadget>(tree.gadgets[parent]),
                      -1);
        g->SetShape(Hostile(in), Hostile(in), Hostile(in), Hostile(in));
        g->SetLayout(Mode(in), Mode(in), Mode(in), Mode(in));
        tree.gadgets.push_back(g);
    }
    for (const auto& g : tree.gadgets) {
        tree.records.push_back(RecordOf(*g));
        tree.pinned.push_back(RectOf(*g));
    }

    // A few client sizes, visited in any order and more than once.
    std::vector<std::pair<int, int>> sizes(
        static_cast<std::size_t>(in.ConsumeIntegralInRange(1, 3)));
    for (auto& s : sizes)
        s = {Hostile(in), Hostile(in)};
    std::map<std::pair<int, int>, std::vector<Rect>> first;
    const int steps = in.ConsumeIntegralInRange(1, 8);
    for (int step = 0; step < steps; ++step) {
        const auto [w, h] = sizes[in.ConsumeIntegralInRange<std::size_t>(0, sizes.size() - 1)];
        tree.Resize(w, h);
        const auto rects = tree.Rects();
        tree.Resize(w, h);
        Require(tree.Rects() == rects);
        const auto [seen, fresh] = first.try_emplace({w, h}, rects);
        for (std::size_t i = 0; !fresh && i < rects.size(); ++i)
            if (tree.Stable(*tree.gadgets[i]))
                Require(seen->second[i] == rects[i]);
    }
    return 0;
}
