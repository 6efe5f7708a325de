// A language file the user may not read, where the file system keeps such files from them.
#include "LocalizationFixture.h"

#include "gui/localization/LanguageFunctions.h"

#include "io/StreamExceptions.h"

#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

using LanguageFilePermission = LocalizationTest;

namespace {

// Exits with 0 when loading raises the read exception; as someone other than root, who reads
// every file.
[[noreturn]] void LoadAsNobody(const char16_t* path) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
        _exit(2);
    try {
        LoadLanguageFile(path);
    } catch (const TStreamReadException&) {
        _exit(0);
    }
    _exit(1);
}

} // namespace

TEST_F(LanguageFilePermission, AFileThatMayNotBeReadRaisesTheReadException) {
    std::ofstream("secret.ini") << "[LanguageDefinition]\r\nLanguageId = Deutsch\r\n";
    ASSERT_EQ(chmod("secret.ini", 0), 0);
    EXPECT_EXIT(LoadAsNobody(u"secret.ini"), testing::ExitedWithCode(0), "");
    ASSERT_EQ(chmod("secret.ini", 0644), 0);
    EXPECT_EXIT(LoadAsNobody(u"secret.ini"), testing::ExitedWithCode(1), "");
}
