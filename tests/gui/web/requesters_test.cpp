// The requesters on the page, answered by the user's real clicks and keys: the colour and the
// font dialogs give back what they were preset with and what the user changed, the file
// requester reads the user's file into the program's files, the save requester offers what the
// program wrote there as a download, and each cancels as the others do. (Headless Chromium
// shows no colour picker of its own: the user can take or cancel the preset colour, not pick
// another.)
#include "tests/gui/platform/PlatformFixture.h"
#include "tests/support/web/WebUserRequesters.h"

#include "events/System.h"
#include "gui/DriverFunctions.h"
#include "gui/WindowFunctions.h"
#include "runtime/Text.h"

#include <fstream>
#include <iterator>
#include <string>

namespace vandro {
namespace {

class WebRequestersTest : public PlatformTest {
  protected:
    void SetUp() override {
        window = CreateWindow(u"Anfragen", 40, 40, 300, 200, Desktop(), 557);
        Drain();
    }
    void TearDown() override {
        FreeGadget(window);
        Drain();
    }
    static void OnNextRequester(const String& steps) {
        vandro_user_on_next_requester(steps.data(), static_cast<int>(steps.size()));
    }
    static std::string Contents(const String& path) {
        std::ifstream file(ToUtf8(path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    Ref<TGadget> window;
    static constexpr int kEscape = 0x1B;
};

TEST_F(WebRequestersTest, TheColourDialogAnswersItsPresetAndCancelKeepsThePickedColour) {
    OnNextRequester(u"click:OK");
    ASSERT_EQ(PickColor(10, 20, 300), 1);
    EXPECT_EQ(PickedRed(), 10);
    EXPECT_EQ(PickedGreen(), 20);
    EXPECT_EQ(PickedBlue(), 300 & 255);
    OnNextRequester(u"click:Abbrechen");
    EXPECT_EQ(PickColor(200, 100, 50), 0);
    EXPECT_EQ(PickedRed(), 10);
    OnNextRequester(u"key:27");
    EXPECT_EQ(PickColor(200, 100, 50), 0);
    EXPECT_EQ(PickedBlue(), 300 & 255);
}

TEST_F(WebRequestersTest, TheFontDialogTakesTheUsersSwitchesAndKeepsTheRest) {
    const auto preset = LoadGuiFont(u"Arial", 12.5, 1, 0, 1);
    OnNextRequester(u"click:Fett|click:Kursiv|click:OK");
    const auto chosen = PickFont(preset);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(FontName(chosen), FontName(preset));
    EXPECT_EQ(FontSize(chosen), 12.0);
    EXPECT_EQ(FontStyle(chosen), FontItalic | FontUnderline);
    OnNextRequester(u"click:Abbrechen");
    EXPECT_EQ(PickFont(preset), nullptr);
    OnNextRequester(u"key:27");
    EXPECT_EQ(PickFont(preset), nullptr);
}

TEST_F(WebRequestersTest, AFileToOpenIsReadIntoTheProgramsFiles) {
    OnNextRequester(u"file:Datei:karten.txt:Herz Pik\nKaro");
    const String path = RequestFile(u"Karten laden", u"Texte:txt", 0, u"");
    EXPECT_EQ(path, u"/uploads/karten.txt");
    EXPECT_EQ(Contents(path), "Herz Pik\nKaro");
    OnNextRequester(u"click:Abbrechen");
    EXPECT_EQ(RequestFile(u"Karten laden", u"Texte:txt", 0, u""), u"");
}

TEST_F(WebRequestersTest, AFileToSaveIsOfferedAsADownloadOnceTheProgramClosesIt) {
    OnNextRequester(u"click:Speichern");
    const String path = RequestFile(u"Punkte sichern", u"Texte:txt", 1, u"C:\\Spiele\\punkte.txt");
    ASSERT_EQ(path, u"/downloads/punkte.txt");
    char16_t name[64] = {}, text[64] = {};
    const int before = vandro_user_last_download(name, 64, text, 64);
    {
        std::ofstream file(ToUtf8(path), std::ios::binary);
        file << "Spieler 1: 7";
        file.flush();
        EXPECT_EQ(vandro_user_last_download(name, 64, text, 64), before)
            << "nothing is offered while the program writes";
    }
    ASSERT_EQ(vandro_user_last_download(name, 64, text, 64), 12);
    EXPECT_EQ(String(name), u"punkte.txt");
    EXPECT_EQ(String(text, 12), u"Spieler 1: 7");
    OnNextRequester(u"click:Abbrechen");
    EXPECT_EQ(RequestFile(u"Punkte sichern", u"", 1, u"punkte.txt"), u"");
}

} // namespace
} // namespace vandro
