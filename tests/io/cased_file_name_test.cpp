#include "TempFolder.h"
#include "io/CasedFileName.h"

using namespace vandro;
using namespace vandro::testing;

class CasedFileNames : public TempFolder {
  protected:
    void SetUp() override {
        TempFolder::SetUp();
        std::filesystem::create_directories(std::filesystem::path(PathOf(u"Lang/Deutsch")));
        MakeFile(u"Lang/Deutsch/Menu.TXT", {1});
        MakeFile(u"Lang/\u00DCbersicht \u2600.txt", {2});
    }
};

TEST_F(CasedFileNames, ARightlySpelledPathComesBackAsGiven) {
    EXPECT_EQ(CasedFileName(PathOf(u"Lang/Deutsch/Menu.TXT")), PathOf(u"Lang/Deutsch/Menu.TXT"));
    EXPECT_EQ(CasedFileName(PathOf(u"Lang/Deutsch")), PathOf(u"Lang/Deutsch"));
    EXPECT_EQ(CasedFileName(PathOf(u"Lang/Deutsch/")), PathOf(u"Lang/Deutsch/"));
    EXPECT_EQ(CasedFileName(PathOf(u"Lang/./Deutsch/../Deutsch")),
              PathOf(u"Lang/./Deutsch/../Deutsch"));
}

TEST_F(CasedFileNames, EachComponentTakesTheSpellingOfItsFolder) {
    EXPECT_EQ(CasedFileName(PathOf(u"lang/DEUTSCH/menu.txt")), PathOf(u"Lang/Deutsch/Menu.TXT"));
    EXPECT_EQ(CasedFileName(PathOf(u"LANG/\u00FCBERSICHT \u2600.TXT")),
              PathOf(u"Lang/\u00DCbersicht \u2600.txt"));
}

TEST_F(CasedFileNames, BackslashesStayWhereTheyWere) {
    EXPECT_EQ(CasedFileName(folder + u"\\lang\\deutsch\\MENU.txt"),
              folder + u"\\Lang\\Deutsch\\Menu.TXT");
}

TEST_F(CasedFileNames, RelativePathsResolveFromTheCurrentFolder) {
    const auto here = std::filesystem::current_path();
    std::filesystem::current_path(native);
    const String cased = CasedFileName(u"LANG/deutsch/menu.txt");
    const String dotted = CasedFileName(u"./lang");
    std::filesystem::current_path(here);
    EXPECT_EQ(cased, u"Lang/Deutsch/Menu.TXT");
    EXPECT_EQ(dotted, u"./Lang");
}

TEST_F(CasedFileNames, AMissingComponentGivesNothing) {
    EXPECT_EQ(CasedFileName(PathOf(u"lang/english/menu.txt")), u"");
    EXPECT_EQ(CasedFileName(PathOf(u"Lang/Deutsch/Menu.TXT/more")), u"");
    EXPECT_EQ(CasedFileName(PathOf(u"Lang/Deutsch/Men")), u"");
    EXPECT_EQ(CasedFileName(u""), u"");
}
