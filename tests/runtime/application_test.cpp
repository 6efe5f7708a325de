#include "runtime/Application.h"
#include "runtime/Exceptions.h"

#include <gtest/gtest.h>

using namespace vandro;

TEST(Application, FolderOfPath) {
    EXPECT_EQ(FolderOfPath(u"C:/Games/Vandro/vandro.exe"), u"C:/Games/Vandro");
    EXPECT_EQ(FolderOfPath(u"C:/vandro.exe"), u"C:/");
    EXPECT_EQ(FolderOfPath(u"vandro.exe"), u"");
    EXPECT_EQ(FolderOfPath(u"/opt/vandro/bin/vandro"), u"/opt/vandro/bin");
}

TEST(Application, ValuesAfterStart) {
    StartRuntime();
    StartRuntime();
    EXPECT_EQ(AppTitle(), u"Tarnwick Application");
    ASSERT_FALSE(AppArgs().empty());
    EXPECT_FALSE(AppFile().empty());
    EXPECT_EQ(AppFile().find(u'\\'), String::npos);
    EXPECT_EQ(LaunchDir().find(u'\\'), String::npos);
    EXPECT_EQ(AppDir(), FolderOfPath(AppFile()));
    EXPECT_NE(AppFile().find(u"runtime_test", AppDir().size()), String::npos);
    EXPECT_TRUE(IsMainThread());
    SetAppTitle(u"Vandro");
    EXPECT_EQ(AppTitle(), u"Vandro");
}

TEST(Application, FatalLoadErrorTexts) {
    EXPECT_EQ(FatalLoadErrorText(u"uxtheme.dll", u""),
              u"Error while loading DLL 'uxtheme.dll'!\nThe application will terminate now.");
    EXPECT_EQ(FatalLoadErrorText(u"user32.dll", u"SetLayeredWindowAttributes"),
              u"Error while importing symbol 'SetLayeredWindowAttributes' from DLL "
              u"'user32.dll'!\nThe application will terminate now.");
}

namespace {
// The shell sees 255; Windows reports the whole -1.
bool ExitedWithMinusOne(int status) {
    return testing::ExitedWithCode(255)(status) || testing::ExitedWithCode(-1)(status);
}
int RaiseNullMethod() { AbstractMethod(); }
int EndAtOnce() { EndProgram(); }
} // namespace

TEST(ApplicationDeathTest, UnhandledExceptionPrintsItsTextAndExitsMinusOne) {
    EXPECT_EXIT(RunProgram(RaiseNullMethod), ExitedWithMinusOne, "Attempt to call abstract method");
}

TEST(ApplicationDeathTest, EndProgramExitsWithZero) {
    EXPECT_EXIT(RunProgram(EndAtOnce), testing::ExitedWithCode(0), "");
}
