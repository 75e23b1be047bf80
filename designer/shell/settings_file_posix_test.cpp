// On POSIX the settings file is UTF-8 throughout: paths as the system gives
// them, the language name converted from the Windows-1251 of the language files.
#include "designer/shell/settings_file.h"

#include <fstream>

#include <gtest/gtest.h>

#include "testing/temp_folder.h"

namespace shell {
namespace {

using test_support::TempFolder;

constexpr char kRussianInCp1251[] = "\xD0\xF3\xF1\xF1\xEA\xE8\xE9";  // "Русский"

TEST(SettingsFile, PathsAndTheLanguageNameAreUtf8AndReadBackAsTheyWere) {
    Preferences p;
    p.lastFile = "/home/пользователь/склад.UZX";
    p.language = kRussianInCp1251;
    p.recentFiles = {p.lastFile};
    EXPECT_EQ(FormatSettings(p), "/home/пользователь/склад.UZX\r1\r1\r1\r0\r0\r0\rРусский\r1\r"
                                 "/home/пользователь/склад.UZX\r");

    TempFolder folder;
    const std::string path = folder.File("Mostrel.ini");
    ASSERT_TRUE(WriteSettingsFile(path, p));
    Preferences back;
    ReadSettingsFile(path, back);
    EXPECT_EQ(back.language, kRussianInCp1251);
    EXPECT_EQ(back.lastFile, "/home/пользователь/склад.UZX");
    EXPECT_EQ(back.recentFiles, p.recentFiles);
}

TEST(SettingsFile, ALanguageNameWrittenAsWindows1251IsStillUnderstood) {
    TempFolder folder;
    const std::string path = folder.File("Mostrel.ini");
    std::ofstream(path, std::ios::binary) << "Unknow\r1\r1\r1\r0\r0\r0\r" << kRussianInCp1251 << "\r1\r";
    Preferences p;
    ReadSettingsFile(path, p);
    EXPECT_EQ(p.language, kRussianInCp1251);

    // The limit of 40 counts characters, not the two bytes of each in UTF-8.
    std::string longName;
    for (int i = 0; i < 45; ++i) longName += "я";
    std::ofstream(path, std::ios::binary) << "Unknow\r1\r1\r1\r0\r0\r0\r" << longName << "\r1\r";
    ReadSettingsFile(path, p);
    EXPECT_EQ(p.language, std::string(40, '\xFF'));
}

TEST(SettingsFile, ALanguageNameWithAByteWindows1251LacksReadsBackAsItIsWritten) {
    // Not UTF-8, so taken as Windows-1251, where 0x98 is no character: it is
    // written as U+FFFD and would read back as "?" after the first save.
    TempFolder folder;
    const std::string path = folder.File("Mostrel.ini");
    std::ofstream(path, std::ios::binary) << "Unknow\r1\r1\r1\r0\r0\r0\r\x9C\x98\x9C\r1\r";
    Preferences read;
    ReadSettingsFile(path, read);
    EXPECT_EQ(read.language, "\x9C?\x9C");
    ASSERT_TRUE(WriteSettingsFile(path, read));
    Preferences back;
    ReadSettingsFile(path, back);
    EXPECT_EQ(back.language, read.language);
}

}  // namespace
}  // namespace shell
