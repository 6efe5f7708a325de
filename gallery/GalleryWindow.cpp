#include "GalleryWindow.h"

#include "events/EventIds.h"
#include "events/EventQueue.h"
#include "gui/CanvasPainter.h"
#include "gui/Toolkit.h"
#include "runtime/Boxed.h"

#include <vector>

namespace vandro {

namespace {

struct Gallery {
    Ref<TGadget> window;
    Ref<TGadget> canvas;
    Ref<TGadget> trackbar;
    Ref<TGadget> progress;
    Ref<TGadget> stepper;
    Ref<TGadget> stepperLabel;
    Ref<TGadget> status;
    Ref<TGadget> tabs;
    // What the canvas draws besides its bars.
    Ref<TGuiFont> canvasFont;
    Ref<TPixmap> canvasIcons;
    // What each tab shows.
    std::vector<std::vector<Ref<TGadget>>> pages;
};

Gallery& State() {
    static Gallery gallery;
    return gallery;
}

constexpr int kIcon = 16;

// Eight icons: a filled square, a ring, a diamond, a cross, a triangle, a bar, a dot and, for
// the toolbar, a blank one that becomes a separator.
Ref<TPixmap> IconPixmap(bool withBlank) {
    const unsigned colours[8] = {0xFFD03030u, 0xFF3070D0u, 0xFF30A050u, 0xFFE0A020u,
                                 0xFF8040C0u, 0xFF208080u, 0xFFC04080u, 0xFF606060u};
    auto pixmap = TPixmap::Create(8 * kIcon, kIcon, 6, 4);
    pixmap->ClearPixels(0);
    for (int icon = 0; icon < 8; ++icon) {
        if (withBlank && icon == 3)
            continue;
        for (int y = 1; y < kIcon - 1; ++y)
            for (int x = 1; x < kIcon - 1; ++x) {
                const int dx = x - 7;
                const int dy = y - 7;
                bool on = false;
                switch (icon) {
                case 0:
                    on = x > 2 && x < 13 && y > 2 && y < 13;
                    break;
                case 1:
                    on = dx * dx + dy * dy <= 36 && dx * dx + dy * dy >= 12;
                    break;
                case 2:
                    on = (dx < 0 ? -dx : dx) + (dy < 0 ? -dy : dy) <= 6;
                    break;
                case 3:
                    on = dx == 0 || dy == 0 || dx == 1 || dy == 1;
                    break;
                case 4:
                    on = y >= 2 && y <= 13 && (dx < 0 ? -dx : dx) * 2 <= y - 1;
                    break;
                case 5:
                    on = y >= 5 && y <= 10;
                    break;
                case 6:
                    on = dx * dx + dy * dy <= 16;
                    break;
                default:
                    on = (x + y) % 4 == 0;
                    break;
                }
                if (on)
                    pixmap->WritePixel(icon * kIcon + x, y, static_cast<int>(colours[icon]));
            }
    }
    return pixmap;
}

Ref<TPixmap> Tile() {
    auto tile = TPixmap::Create(24, 24, 4, 4);
    tile->ClearPixels(static_cast<int>(0xFFF4E6C8u));
    for (int i = 0; i < 24; ++i) {
        tile->WritePixel(i, i, static_cast<int>(0xFFB08850u));
        tile->WritePixel(23 - i, i, static_cast<int>(0xFFB08850u));
    }
    return tile;
}

void LeftColumn(const Ref<TGadget>& w, const Ref<TIconStrip>& icons) {
    Gallery& g = State();
    CreateLabel(u"Beschriftung: ein Label", 10, 10, 220, 20, w, 0);
    auto push = CreateButton(u"Knopf", 10, 34, 100, 26, w, ButtonPush);
    SetGadgetColor(push, 250, 220, 120);
    CreateButton(u"Ankreuzen", 120, 36, 110, 22, w, ButtonCheckBox);
    CreateButton(u"Wahl eins", 10, 64, 100, 22, w, ButtonRadio);
    CreateButton(u"Wahl zwei", 120, 64, 110, 22, w, ButtonRadio);
    auto field = CreateTextField(10, 92, 220, 24, w, 0);
    SetGadgetText(field, u"Ein Textfeld");
    auto combo = CreateComboBox(10, 122, 220, 24, w, 0);
    SetGadgetIconStrip(combo, icons);
    for (int i = 0; i < 4; ++i)
        AddGadgetItem(combo, String(u"Auswahl ") + static_cast<char16_t>(u'A' + i), 0, i);
    SelectGadgetItem(combo, 0);
    g.trackbar = CreateSlider(10, 152, 220, 30, w, SliderTrackBar | SliderHorizontal);
    SetSliderRange(g.trackbar, 0, 100);
    SetSliderValue(g.trackbar, 60);
    g.progress = CreateProgressBar(10, 188, 220, 18, w, 0);
    SetProgressValue(g.progress, 0.6f);
    auto scroll = CreateSlider(10, 212, 220, 18, w, SliderScrollBar | SliderHorizontal);
    SetSliderRange(scroll, 10, 100);
    g.stepper = CreateSlider(10, 236, 20, 28, w, SliderStepper);
    SetSliderRange(g.stepper, 0, 9);
    SetSliderValue(g.stepper, 3);
    g.stepperLabel = CreateLabel(u"Stufe 3", 36, 242, 120, 20, w, 0);
    auto area = CreateTextArea(10, 272, 220, 188, w, TextAreaWordWrap);
    SetGadgetText(area, u"Ein Textbereich mit Rich Edit.\nFett, kursiv und farbig "
                        u"gesetzte Stellen zeigen die Stile.\n\nZeilen brechen um.");
    FormatTextAreaText(area, 0, 0, 0, 1, 20, 9);
    FormatTextAreaText(area, 0, 0, 0, 1, 31, 4);
    FormatTextAreaText(area, 0, 0, 0, 2, 37, 6);
    FormatTextAreaText(area, 30, 130, 40, 4, 48, 6);
}

void MiddleColumn(const Ref<TGadget>& w, const Ref<TIconStrip>& icons) {
    auto list = CreateListBox(240, 10, 200, 200, w, 0);
    SetGadgetIconStrip(list, icons);
    const char16_t* names[] = {u"Quadrat", u"Ring",   u"Raute", u"Kreuz",
                               u"Dreieck", u"Balken", u"Punkt", u"Muster"};
    for (int i = 0; i < 8; ++i)
        AddGadgetItem(list, names[i], 0, i, String(u"Das Symbol ") + names[i]);
    SelectGadgetItem(list, 2);
    auto tree = CreateTreeView(240, 220, 200, 240, w, 0);
    SetGadgetIconStrip(tree, icons);
    auto root = TreeViewRoot(tree);
    auto shapes = AddTreeNode(u"Formen", root, 0, {});
    for (int i = 1; i < 4; ++i)
        AddTreeNode(names[i], shapes, i, {});
    auto more = AddTreeNode(u"Weitere", root, 4, {});
    AddTreeNode(names[5], more, 5, {});
    AddTreeNode(names[6], more, 6, {});
    ExpandTreeNode(shapes);
    SelectTreeNode(shapes);
}

void ShowPage(int shown) {
    Gallery& g = State();
    for (size_t page = 0; page < g.pages.size(); ++page)
        for (const Ref<TGadget>& gadget : g.pages[page]) {
            if (static_cast<int>(page) == shown)
                ShowGadget(gadget);
            else
                HideGadget(gadget);
        }
}

void RightColumn(const Ref<TGadget>& w) {
    Gallery& g = State();
    g.tabs = CreateTabber(450, 10, 320, 150, w, 0);
    for (const char16_t* tab : {u"Allgemein", u"Ansicht", u"Extras"})
        AddGadgetItem(g.tabs, tab, 0, -1, String(u"Reiter ") + tab);
    SelectGadgetItem(g.tabs, 0);
    g.pages = {{CreateLabel(u"Eine Seite des Reiters", 10, 10, 200, 20, g.tabs, 0),
                CreateButton(u"Auf der Seite", 10, 36, 120, 26, g.tabs, 0)},
               {CreateHTMLView(0, 0, GadgetClientWidth(g.tabs), GadgetClientHeight(g.tabs),
                               g.tabs, 0)},
               {CreateLabel(u"Die HTML-Ansicht zeigt eine Seite des Systembrowsers.", 10, 10,
                            290, 40, g.tabs, 0)}};
    NavigateHTMLView(g.pages[1][0], u"about:<body style='font:9pt sans-serif'><h3>Ansicht"
                                    u"</h3><p>Eine <b>HTML</b>-Seite im Reiter.</p></body>");
    ShowPage(0);
    auto plain = CreatePanel(450, 170, 150, 90, w, PanelSunkenBorder, u"");
    SetGadgetPixmap(plain, Tile(), 0);
    auto tinted = CreatePanel(20, 20, 110, 50, plain, 0, u"");
    SetGadgetColor(tinted, 40, 90, 200);
    SetGadgetAlpha(tinted, 0.5f);
    auto group = CreatePanel(610, 166, 160, 94, w, PanelGroupFrame, u"Gruppe");
    CreateButton(u"Innen", 8, 4, 100, 22, group, ButtonCheckBox);
    auto inner = CreatePanel(8, 32, 140, 30, group, PanelRaisedBorder, u"");
    SetGadgetColor(inner, 230, 240, 200);
    g.canvas = CreateCanvas(450, 270, 320, 190, w, 0);
    g.canvasFont = LoadGuiFont(u"Arial", 11, 1);
    g.canvasIcons = IconPixmap(false);
}

void PaintCanvas() {
    Gallery& g = State();
    const auto painter = Cast<TCanvasPainter>(CanvasGraphicsOf(g.canvas));
    if (!painter)
        return;
    const int w = GadgetClientWidth(g.canvas);
    const int h = GadgetClientHeight(g.canvas);
    painter->FillRect(0, 0, w, h, 0x302018);
    const int value = SliderValue(g.trackbar);
    for (int i = 0; i < 10; ++i) {
        const int bar = (i * 37 + value * 3) % (h - 74) + 10;
        const int colour = (40 + i * 20) | ((200 - i * 15) << 8) | ((80 + i * 17) << 16);
        painter->FillRect(12 + i * 30, h - 12 - bar, 22, bar, colour);
        painter->FrameRect(12 + i * 30, h - 12 - bar, 22, bar, 0xF0F0F0);
    }
    painter->DrawLine(6, h - 12, w - 7, h - 12, 0xF0F0F0);
    painter->DrawLine(6, h - 12 - value, w - 7, h - 12 - value, 0x40C0F0);
    painter->DrawString(12, 8, u"Leinwand: vom Programm gemalt", g.canvasFont, 0xF0F0F0);
    painter->DrawPixmap(g.canvasIcons, w - 8 * kIcon - 12, 34);
}

} // namespace

Ref<TGadget> BuildGallery() {
    Gallery& g = State();
    g.window = CreateWindow(u"Vandro: alle Gadgets", 40, 40, 780, 470, nullptr,
                            WindowTitleBar | WindowResizable | WindowMenuBar | WindowStatusBar |
                                WindowClientCoords);
    auto file = CreateMenu(u"&Datei", 0, GetWindowMenu(g.window));
    CreateMenu(u"&Beenden", 1, file);
    RefreshWindowMenu(g.window);
    SetWindowStatusText(g.window, u"Jedes Gadget der Werkzeugkiste auf einem Fenster");
    const Ref<TIconStrip> icons = OpenIconStrip(IconPixmap(false));
    CreateToolbar(OpenIconStrip(IconPixmap(true)), 0, 0, 0, 0, g.window, 0);
    LeftColumn(g.window, icons);
    MiddleColumn(g.window, icons);
    RightColumn(g.window);
    return g.window;
}

int ReactToGalleryEvent() {
    Gallery& g = State();
    switch (EventID()) {
    case WindowClose:
    case AppTerminate:
        return 1;
    case MenuAction:
        return EventData() == 1 ? 1 : 0;
    case GadgetPaint:
        if (EventSource() == Object(g.canvas))
            PaintCanvas();
        return 0;
    case GadgetAction:
        if (EventSource() == Object(g.trackbar)) {
            SetProgressValue(g.progress, static_cast<float>(EventData()) / 100.0f);
            RedrawGadget(g.canvas);
        } else if (EventSource() == Object(g.tabs)) {
            ShowPage(EventData());
        } else if (EventSource() == Object(g.stepper)) {
            SetGadgetText(g.stepperLabel,
                          String(u"Stufe ") + static_cast<char16_t>(u'0' + EventData() % 10));
        }
        return 0;
    default:
        return 0;
    }
}

void FreeGallery() {
    Gallery& g = State();
    FreeGadget(g.window);
    g = Gallery{};
}

} // namespace vandro
