// The edge-locking layout. Every DoLayout starts from the lock record, so repeated resizes
// never drift; the arithmetic is 32-bit and truncating, the product before the division.
#include "Gadget.h"

#include "GadgetConstants.h"

#include <algorithm>
#include <cstdint>

namespace vandro {

namespace {

// 32-bit results, wrapped as the layout has always computed them, never undefined.
int Wrap(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}
int Sum(int a, int b) { return Wrap(std::int64_t{a} + b); }
int Difference(int a, int b) { return Wrap(std::int64_t{a} - b); }
int Scale(int client, int position, int lockedClient) {
    return Wrap(std::int64_t{client} * position) / lockedClient;
}

struct Span {
    int low;
    int high;
};

// One axis from its two edge modes, its lock record (position, size, client size), its
// current position and size, and the client size now.
Span LayoutAxis(int lockLow, int lockHigh, int lockPos, int lockSize, int lockClient, int pos,
                int size, int client) {
    if (lockLow == LockFree && lockHigh == LockFree) {
        const int half = lockSize / 2;
        const int low = Difference(Scale(client, Sum(lockPos, half), lockClient), half);
        return {low, Sum(low, lockSize)};
    }
    int low = pos;
    if (lockLow == LockFixed)
        low = lockPos;
    if (lockLow == LockProportional)
        low = Scale(client, lockPos, lockClient);
    int high = Sum(pos, size);
    if (lockHigh == LockFixed)
        high = Difference(Sum(Sum(client, lockPos), lockSize), lockClient);
    if (lockHigh == LockProportional)
        high = Scale(client, Sum(lockPos, lockSize), lockClient);
    if (lockLow == LockFree)
        low = Difference(high, lockSize);
    else if (lockHigh == LockFree)
        high = Sum(low, lockSize);
    return {low, high};
}

} // namespace

int TGadget::SetShape(int x, int y, int w, int h) {
    SetArea(x, y, w, h);
    LockLayout();
    return 0;
}

int TGadget::SetArea(int x, int y, int w, int h) {
    SetRect(x, y, w, h);
    Rethink();
    LayoutKids();
    return 0;
}

int TGadget::SetRect(int x, int y, int w, int h) {
    xpos = x;
    ypos = y;
    width = std::max(w, 0);
    height = std::max(h, 0);
    return 0;
}

int TGadget::LockLayout() {
    lockx = xpos;
    locky = ypos;
    lockw = width;
    lockh = height;
    lockcw = 1;
    lockch = 1;
    if (parent) {
        lockcw = std::max(parent->ClientWidth(), 1);
        lockch = std::max(parent->ClientHeight(), 1);
    }
    return 0;
}

int TGadget::SetLayout(int left, int right, int top, int bottom) {
    lockl = left;
    lockr = right;
    lockt = top;
    lockb = bottom;
    LockLayout();
    return 0;
}

int TGadget::LayoutKids() {
    // A child's driver may leave the group while it is being moved.
    for (const auto& kid : kids->ToArray())
        if (auto child = Cast<TGadget>(kid))
            child->DoLayout();
    return 0;
}

int TGadget::DoLayout() {
    if (!parent)
        return 0;
    const int kind = Class();
    if (kind == ClassWindow || kind == ClassMenu || kind == ClassTreeNode)
        return 0;
    // Never locked: there is no record to lay out from, and the division would be by 0.
    if (lockcw < 1 || lockch < 1)
        return 0;
    const int cw = std::max(parent->ClientWidth(), 1);
    const int ch = std::max(parent->ClientHeight(), 1);
    const Span h = LayoutAxis(lockl, lockr, lockx, lockw, lockcw, xpos, width, cw);
    const Span v = LayoutAxis(lockt, lockb, locky, lockh, lockch, ypos, height, ch);
    SetArea(h.low, v.low, Difference(h.high, h.low), Difference(v.high, v.low));
    return 0;
}

} // namespace vandro
