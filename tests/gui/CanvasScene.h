// One scene that the canvas tests of every platform draw through the portable painter, and the
// pixels it must leave on the screen: the headless test reads the painter's record of it, the
// GTK and Win32 tests capture it.
#pragma once

#include "gui/CanvasPainter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace vandro::canvas_scene {

// The canvas's size, and colours as red + (green << 8) + (blue << 16).
constexpr int kWidth = 160;
constexpr int kHeight = 100;
constexpr int kGround = 0x603010;
constexpr int kFill = 0x2020E0;
constexpr int kFrame = 0x20C020;
constexpr int kLine = 0x10D0F0;
constexpr int kText = 0xFFFFFF;
// The pixmap's opaque half, the same read as red + (green << 8) + ... or as 0xRRGGBB.
constexpr int kInk = 0xE020E0;

// 8 x 8: the left half opaque, the right half fully transparent.
inline Ref<TPixmap> Pixmap() {
    auto pixmap = TPixmap::Create(8, 8, 6, 4);
    pixmap->ClearPixels(0);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 4; ++x)
            pixmap->WritePixel(x, y, static_cast<int>(0xFF000000u) | kInk);
    return pixmap;
}

inline void Paint(TCanvasPainter& painter, const Ref<TGuiFont>& font) {
    painter.FillRect(0, 0, kWidth, kHeight, kGround);
    painter.FillRect(10, 10, 40, 30, kFill);
    painter.FrameRect(60, 10, 40, 30, kFrame);
    painter.DrawLine(10, 50, 100, 50, kLine);
    painter.DrawLine(110, 10, 110, 60, kLine);
    painter.DrawString(10, 60, u"Wg", font, kText);
    painter.DrawPixmap(Pixmap(), 130, 70);
}

// Checks the scene where pixelAt answers the colour shown at a point of the canvas.
inline void ExpectShown(const std::function<int(int, int)>& pixelAt) {
    const auto alike = [](int got, int wanted, int tolerance) {
        for (int shift = 0; shift < 24; shift += 8)
            if (std::abs(((got >> shift) & 255) - ((wanted >> shift) & 255)) > tolerance)
                return false;
        return true;
    };
    struct Probe {
        int x, y, colour;
        const char* what;
    };
    const Probe probes[] = {
        {10, 10, kFill, "fill, top left"},        {49, 39, kFill, "fill, bottom right"},
        {9, 10, kGround, "left of the fill"},     {50, 39, kGround, "right of the fill"},
        {49, 40, kGround, "below the fill"},      {60, 10, kFrame, "frame, top left"},
        {99, 39, kFrame, "frame, bottom right"},  {80, 10, kFrame, "frame, top"},
        {60, 25, kFrame, "frame, left"},          {99, 25, kFrame, "frame, right"},
        {80, 39, kFrame, "frame, bottom"},        {61, 11, kGround, "just inside the frame"},
        {80, 25, kGround, "inside the frame"},    {100, 25, kGround, "right of the frame"},
        {10, 50, kLine, "line, first pixel"},     {100, 50, kLine, "line, last pixel"},
        {55, 50, kLine, "line, middle"},          {101, 50, kGround, "beyond the line"},
        {55, 49, kGround, "above the line"},      {55, 51, kGround, "below the line"},
        {110, 10, kLine, "upright, top"},         {110, 60, kLine, "upright, bottom"},
        {110, 61, kGround, "below the upright"},  {111, 30, kGround, "right of the upright"},
        {130, 70, kInk, "pixmap, top left"},      {133, 77, kInk, "pixmap, opaque half"},
        {134, 70, kGround, "transparent half"},   {137, 77, kGround, "transparent corner"},
        {129, 70, kGround, "left of the pixmap"}, {130, 78, kGround, "below the pixmap"},
    };
    for (const Probe& probe : probes) {
        const int got = pixelAt(probe.x, probe.y);
        EXPECT_TRUE(alike(got, probe.colour, 6))
            << probe.what << " at " << probe.x << ", " << probe.y << ": " << std::hex << got;
    }
    // The text's ink lies in its box below and right of (10, 60), nothing of it beside.
    int ink = 0, stray = 0;
    for (int y = 52; y < kHeight; ++y)
        for (int x = 0; x < 80; ++x) {
            const bool white = alike(pixelAt(x, y), kText, 40);
            (x >= 10 && y >= 60 ? ink : stray) += white ? 1 : 0;
        }
    EXPECT_GT(ink, 30) << "the text's ink";
    EXPECT_EQ(stray, 0) << "ink outside the text's box";
}

} // namespace vandro::canvas_scene
