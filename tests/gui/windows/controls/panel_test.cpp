// Panels and canvases on Win32: the kinds and their windows, the background (colour, image
// layouts, opacity) as the screen shows it, canvas paints, focus on click, and tear-down.
#include "control_capture.h"
#include "control_fixture.h"

#include "events/windows/Win32SystemState.h"
#include "gui/windows/WindowsCanvasGraphics.h"
#include "gui/windows/WindowsPanel.h"

#include <cstdlib>

namespace vandro {
namespace {

using PanelTest = WindowsControlTest;

constexpr int kRed = 0xFF0000;
constexpr int kGreen = 0x00FF00;
constexpr int kBlue = 0x0000FF;
constexpr int kWhite = 0xFFFFFF;

Ref<TPixmap> Solid(int w, int h, int argb, int format = 4) {
    auto pixmap = TPixmap::Create(w, h, format, 4);
    pixmap->ClearPixels(argb);
    return pixmap;
}

Ref<TWindowsPanel> Native(const Ref<TGadget>& gadget) { return Cast<TWindowsPanel>(gadget); }

// Channel-wise closeness, for edges a halftone stretch may soften.
bool Near(int a, int b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(((a >> shift) & 0xFF) - ((b >> shift) & 0xFF)) > tolerance)
            return false;
    return true;
}

TEST_F(PanelTest, KindsAnswerTheirClassesAndWindows) {
    auto plain = CreatePanel(0, 0, 100, 50, window, 0, u"");
    auto sunken = CreatePanel(0, 60, 100, 50, window, PanelSunkenBorder, u"");
    auto raised = CreatePanel(0, 120, 100, 50, window, PanelRaisedBorder, u"");
    auto canvas = CreateCanvas(110, 0, 100, 50, window, 0);
    EXPECT_EQ(GadgetClass(plain), ClassPanel);
    EXPECT_EQ(GadgetClass(canvas), ClassCanvas);
    EXPECT_EQ(Native(canvas)->_type, PanelCanvas);
    EXPECT_EQ(GadgetSensitivity(canvas), 3);
    EXPECT_EQ(GadgetSensitivity(plain), 0);
    EXPECT_EQ(GetWindowLongW(Hwnd(plain), GWL_EXSTYLE) & 0x300, 0);
    EXPECT_EQ(GetWindowLongW(Hwnd(sunken), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
    EXPECT_EQ(GetWindowLongW(Hwnd(raised), GWL_STYLE) & WS_DLGFRAME, WS_DLGFRAME);
    EXPECT_EQ(plain->Query(2), plain->Query(1));
    EXPECT_TRUE(IsWindowVisible(Hwnd(plain)));
    FreeGadget(plain);
    FreeGadget(sunken);
    FreeGadget(raised);
    FreeGadget(canvas);
}

TEST_F(PanelTest, GroupClientIsInsetByFourAndSixteen) {
    auto group = CreatePanel(10, 10, 200, 120, window, PanelGroupFrame, u"Gruppe");
    auto native = Native(group);
    EXPECT_EQ(native->_type, PanelGroup);
    ASSERT_NE(native->_hwndclient, nullptr);
    EXPECT_EQ(GetParent(native->_hwndclient), native->_hwnd);
    RECT frame{};
    GetClientRect(native->_hwnd, &frame);
    EXPECT_EQ(GadgetClientWidth(group), frame.right - 8);
    EXPECT_EQ(GadgetClientHeight(group), frame.bottom - 20);
    RECT client{};
    GetWindowRect(native->_hwndclient, &client);
    POINT corner{client.left, client.top};
    ScreenToClient(native->_hwnd, &corner);
    EXPECT_EQ(corner.x, 4);
    EXPECT_EQ(corner.y, 16);
    EXPECT_EQ(client.right - client.left, frame.right - 8);
    EXPECT_EQ(client.bottom - client.top, frame.bottom - 20);
    EXPECT_EQ(GadgetText(group), u"Gruppe");
    auto inside = CreatePanel(0, 0, 20, 20, group, 0, u"");
    EXPECT_EQ(GetParent(Hwnd(inside)), native->_hwndclient);
    FreeGadget(group);
}

TEST_F(PanelTest, PlainPanelShowsTheParentBackgroundThenItsColour) {
    auto panel = CreatePanel(50, 50, 100, 50, window, 0, u"");
    {
        WindowCapture shot(Hwnd(window));
        EXPECT_EQ(shot.ClientPixel(100, 75), shot.ClientPixel(20, 20));
    }
    SetGadgetColor(panel, 0, 0, 255);
    {
        WindowCapture shot(Hwnd(window));
        EXPECT_EQ(shot.ClientPixel(50, 50), kBlue);
        EXPECT_EQ(shot.ClientPixel(149, 99), kBlue);
        EXPECT_NE(shot.ClientPixel(150, 100), kBlue);
        EXPECT_NE(shot.ClientPixel(49, 49), kBlue);
    }
    FreeGadget(panel);
}

TEST_F(PanelTest, TiledImageRepeatsFromTheCorner) {
    auto panel = CreatePanel(0, 0, 100, 50, window, 0, u"");
    auto image = Solid(30, 20, static_cast<int>(0xFF000000u | kRed));
    image->WritePixel(0, 0, static_cast<int>(0xFF000000u | kBlue));
    SetGadgetPixmap(panel, image, PanelImageTiled);
    WindowCapture shot(Hwnd(window));
    for (int y : {0, 20, 40})
        for (int x : {0, 30, 60, 90})
            EXPECT_EQ(shot.ClientPixel(x, y), kBlue) << x << "," << y;
    EXPECT_EQ(shot.ClientPixel(1, 1), kRed);
    EXPECT_EQ(shot.ClientPixel(99, 49), kRed);
    EXPECT_EQ(shot.ClientPixel(29, 19), kRed);
    FreeGadget(panel);
}

TEST_F(PanelTest, FittedAndWidthScaledImagesSitWhereTheirRectanglesSay) {
    auto panel = CreatePanel(0, 0, 400, 100, window, 0, u"");
    SetGadgetColor(panel, 255, 255, 255);
    SetGadgetPixmap(panel, Solid(100, 50, static_cast<int>(0xFF00FF00u)), PanelImageFitted);
    {
        WindowCapture shot(Hwnd(window));
        EXPECT_TRUE(shot.SavePng(BesideProgram("panel-fitted.png")));
        EXPECT_EQ(shot.ClientPixel(97, 50), kWhite);
        EXPECT_TRUE(Near(shot.ClientPixel(103, 50), kGreen, 8));
        EXPECT_TRUE(Near(shot.ClientPixel(296, 50), kGreen, 8));
        EXPECT_EQ(shot.ClientPixel(303, 50), kWhite);
    }
    SetGadgetPixmap(panel, Solid(100, 50, static_cast<int>(0xFF00FF00u)), PanelImageFitWidth);
    {
        WindowCapture shot(Hwnd(window));
        for (int x : {2, 200, 397})
            EXPECT_TRUE(Near(shot.ClientPixel(x, 50), kGreen, 8)) << x;
    }
    SetGadgetPixmap(panel, Solid(100, 50, static_cast<int>(0xFF00FF00u)), PanelImageCentred);
    {
        WindowCapture shot(Hwnd(window));
        EXPECT_EQ(shot.ClientPixel(149, 50), kWhite);
        EXPECT_EQ(shot.ClientPixel(150, 25), kGreen);
        EXPECT_EQ(shot.ClientPixel(249, 74), kGreen);
        EXPECT_EQ(shot.ClientPixel(250, 50), kWhite);
        EXPECT_EQ(shot.ClientPixel(200, 24), kWhite);
    }
    SetGadgetPixmap(panel, Solid(100, 50, static_cast<int>(0xFF00FF00u)), PanelImageStretched);
    {
        WindowCapture shot(Hwnd(window));
        EXPECT_EQ(shot.ClientPixel(2, 2), kGreen);
        EXPECT_EQ(shot.ClientPixel(397, 97), kGreen);
    }
    SetGadgetPixmap(panel, Solid(100, 50, static_cast<int>(0xFF00FF00u)), 5);
    {
        WindowCapture shot(Hwnd(window));
        EXPECT_EQ(shot.ClientPixel(200, 50), kWhite);
    }
    FreeGadget(panel);
}

TEST_F(PanelTest, AlphaImageIsBlendedOverTheFill) {
    auto panel = CreatePanel(0, 0, 100, 100, window, 0, u"");
    SetGadgetColor(panel, 255, 255, 255);
    // Half-transparent blue, left half; fully transparent right half.
    auto image = Solid(100, 100, 0, 6);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 50; ++x)
            image->WritePixel(x, y, static_cast<int>(0x800000FFu));
    SetGadgetPixmap(panel, image, PanelImageTiled);
    EXPECT_EQ(Native(panel)->_hasalpha, 1);
    WindowCapture shot(Hwnd(window));
    EXPECT_TRUE(Near(shot.ClientPixel(25, 50), 0x7F7FFF, 3))
        << std::hex << shot.ClientPixel(25, 50);
    EXPECT_EQ(shot.ClientPixel(75, 50), kWhite);
    FreeGadget(panel);
}

TEST_F(PanelTest, HalfOpacityBlendsWithConstantAlpha127) {
    auto panel = CreatePanel(0, 0, 100, 100, window, 0, u"");
    SetGadgetColor(panel, 255, 0, 0);
    SetGadgetAlpha(panel, 0.5f);
    WindowCapture shot(Hwnd(window));
    const int ground = shot.ClientPixel(200, 200);
    const int got = shot.ClientPixel(50, 50);
    for (int shift : {0, 8, 16}) {
        const int under = (ground >> shift) & 0xFF;
        const int over = (kRed >> shift) & 0xFF;
        const int expected = (over * 127 + under * (255 - 127)) / 255;
        EXPECT_NEAR((got >> shift) & 0xFF, expected, 2) << shift;
    }
    SetGadgetAlpha(panel, 0.0f);
    WindowCapture hidden(Hwnd(window));
    EXPECT_EQ(hidden.ClientPixel(50, 50), hidden.ClientPixel(200, 200));
    FreeGadget(panel);
}

TEST_F(PanelTest, CanvasAnswersEachPaintWithOneEventAndNeverErases) {
    auto canvas = CreateCanvas(0, 0, 100, 100, window, 0);
    PumpPending();
    events.Take();
    EXPECT_EQ(canvas->AttachGraphics(7), Object());
    auto graphics = Cast<TWindowsCanvasGraphics>(CanvasGraphicsOf(canvas));
    ASSERT_TRUE(graphics);
    EXPECT_EQ(graphics->Flags(), 7);
    EXPECT_EQ(graphics->Window(), canvas->Query(1));
    EXPECT_EQ(graphics->FillRect(0, 0, 100, 100, 0x00FF00), 1);
    RedrawGadget(canvas);
    PumpPending();
    auto paints = Taken({GadgetPaint});
    ASSERT_EQ(paints.size(), 1u);
    EXPECT_EQ(paints[0]->source, canvas);
    EXPECT_EQ(paints[0]->data, 0);
    WindowCapture shot(Hwnd(window));
    EXPECT_EQ(shot.ClientPixel(50, 50), kGreen);
    RedrawGadget(canvas);
    RedrawGadget(canvas);
    PumpPending();
    EXPECT_EQ(Taken({GadgetPaint}).size(), 1u) << "two requests before a paint are one paint";
    FreeGadget(canvas);
    EXPECT_TRUE(graphics->Detached());
    EXPECT_EQ(graphics->FillRect(0, 0, 1, 1, 0), 0);
}

TEST_F(PanelTest, ClickOnAnActivePanelTakesTheFocusAndReportsTheMouse) {
    auto panel = CreatePanel(20, 20, 100, 100, window, PanelActive, u"");
    EXPECT_EQ(GadgetSensitivity(panel), 3);
    PumpPending();
    events.Take();
    ClickAt(Hwnd(window), CentreOf(Hwnd(panel)));
    PumpFor(100);
    EXPECT_EQ(GetFocus(), Hwnd(panel));
    auto downs = Taken({MouseDown, MouseUp});
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0]->id, MouseDown);
    EXPECT_EQ(downs[0]->source, panel);
    EXPECT_EQ(downs[0]->data, 1);
    EXPECT_EQ(downs[1]->id, MouseUp);
    FreeGadget(panel);
    // The system driver still holds the freed panel as the source it tracks the pointer over
    // (a request to its owner is open); that reference is not the panel's to drop.
    EXPECT_FALSE(IsWindow(Win32System().trackedWindow));
    if (Win32System().trackedSource == Object(panel))
        Win32System().trackedSource = nullptr;
}

TEST_F(PanelTest, BackgroundsAsAPersonSeesThem) {
    auto tiled = CreatePanel(10, 10, 120, 80, window, PanelSunkenBorder, u"");
    auto image = Solid(30, 20, static_cast<int>(0xFFE0C040u));
    for (int i = 0; i < 20; ++i)
        image->WritePixel(i, i, static_cast<int>(0xFF2040A0u));
    SetGadgetPixmap(tiled, image, PanelImageTiled);
    auto centred = CreatePanel(140, 10, 120, 80, window, PanelRaisedBorder, u"");
    SetGadgetColor(centred, 40, 120, 60);
    SetGadgetPixmap(centred, image, PanelImageCentred);
    auto fitted = CreatePanel(270, 10, 120, 80, window, 0, u"");
    SetGadgetColor(fitted, 255, 255, 255);
    SetGadgetPixmap(fitted, image, PanelImageFitted);
    auto half = CreatePanel(10, 100, 380, 60, window, 0, u"");
    SetGadgetColor(half, 200, 0, 0);
    SetGadgetAlpha(half, 0.5f);
    auto group = CreatePanel(10, 170, 380, 100, window, PanelGroupFrame, u"Gruppe");
    auto inner = CreatePanel(0, 0, 100, 40, group, 0, u"");
    SetGadgetColor(inner, 0, 0, 160);
    WindowCapture shot(Hwnd(window));
    EXPECT_TRUE(shot.SavePng(BesideProgram("panel-backgrounds.png")));
    EXPECT_EQ(shot.ClientPixel(141 + 60 - 15 + 2, 11 + 40 - 10 + 5), 0xE0C040);
    FreeGadget(tiled);
    FreeGadget(centred);
    FreeGadget(fitted);
    FreeGadget(half);
    FreeGadget(group);
}

TEST_F(PanelTest, NullImageRemovesItAndKeepsFlags) {
    auto panel = CreatePanel(0, 0, 100, 50, window, 0, u"");
    SetGadgetPixmap(panel, Solid(10, 10, static_cast<int>(0xFFFF0000u)), PanelImageStretched);
    ASSERT_NE(Native(panel)->_bitmap, nullptr);
    SetGadgetPixmap(panel, nullptr, 0);
    EXPECT_EQ(Native(panel)->_bitmap, nullptr);
    EXPECT_EQ(Native(panel)->_bitmapflags, PanelImageStretched);
    EXPECT_EQ(Native(panel)->_bitmapwidth, 10);
    WindowCapture shot(Hwnd(window));
    EXPECT_EQ(shot.ClientPixel(50, 25), shot.ClientPixel(200, 200));
    FreeGadget(panel);
}

TEST_F(PanelTest, HundredCyclesOfEachKindLeaveNothing) {
    for (int style : {0, +PanelSunkenBorder, +PanelRaisedBorder, +PanelGroupFrame, -1}) {
        std::vector<HWND> handles;
        for (int i = 0; i < 100; ++i) {
            auto panel = style < 0 ? CreateCanvas(0, 0, 50, 50, window, 0)
                                   : CreatePanel(0, 0, 50, 50, window, style, u"g");
            if (style < 0)
                panel->AttachGraphics(1);
            else
                SetGadgetPixmap(panel, Solid(8, 8, -1), i % 5);
            SetGadgetColor(panel, i, 0, 0);
            handles.push_back(Hwnd(panel));
            if (auto native = Native(panel); native->_hwndclient)
                handles.push_back(native->_hwndclient);
            FreeGadget(panel);
        }
        ExpectDestroyed(handles);
        EXPECT_EQ(window->kids->Count(), 0);
    }
}

} // namespace
} // namespace vandro
