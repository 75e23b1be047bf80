#include "designer/shell/strings.h"

#include <fstream>

#include <gtest/gtest.h>

#include "designer/task/test_support.h"
#include "testing/temp_folder.h"

namespace shell {
namespace {

using test_support::TempFolder;

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST(Strings, EnglishTable) {
    Strings strings;
    EXPECT_FALSE(strings.LanguageLoaded());
    EXPECT_EQ(strings.Lookup(1171), "Format mismatch !!!");
    EXPECT_EQ(strings.Lookup(1121, LookupKind::Caption), "Error");
    EXPECT_EQ(strings.Lookup(721, LookupKind::TerminalText), "1.Collect data ");
    EXPECT_EQ(strings.Lookup(9999), "");
    EXPECT_EQ(strings.Lookup(1213), "menu  ") << "trailing blanks are part of a text";
    EXPECT_EQ(strings.Lookup(1321), "Cradle is not available!! ");
    EXPECT_EQ(strings.Direct(1101, "&New\tCtrl+N"), "&New\tCtrl+N");
}

TEST(Strings, FindLanguagesNamesAndLimits) {
    TempFolder folder;
    Strings strings;
    EXPECT_EQ(strings.FindLanguages(folder.Path()), -1);
    WriteText(folder.File("notes.txt"), "Not a language\r\n");
    EXPECT_EQ(strings.FindLanguages(folder.Path()), -1);

    WriteText(folder.File("b.lng"), std::string(60, 'N') + "\r\n1=x\r\n");
    WriteText(folder.File("a.LNG"), "Deutsch\r\n1=Programm\r\n");
    ASSERT_EQ(strings.FindLanguages(folder.Path()), 2);
    EXPECT_EQ(strings.Languages()[0].name, "Deutsch");
    EXPECT_EQ(strings.Languages()[1].name, std::string(40, 'N')) << "names are cut to 40 characters";

    for (int i = 0; i < 25; ++i) WriteText(folder.File("x" + std::to_string(100 + i) + ".lng"), "L\r\n");
    EXPECT_EQ(strings.FindLanguages(folder.Path()), 20);
}

TEST(Strings, LoadLanguageLines) {
    TempFolder folder;
    std::string content = "Test\r\n1171=Formatfehler\r\n1121=Fehler\r\n2800=out of range\r\n-5=negative\r\n";
    content += "garbage line\r\n1122=" + std::string(100, 'W') + "\r\n3=\r\n";
    content += "1131=No line feed at the end?";
    WriteText(folder.File("test.lng"), content);
    Strings strings;
    strings.FindLanguages(folder.Path());

    EXPECT_FALSE(strings.LoadLanguage("0")) << "built-in English matches no file";
    EXPECT_FALSE(strings.LoadLanguage("Other"));
    ASSERT_TRUE(strings.LoadLanguage("Test"));
    EXPECT_TRUE(strings.LanguageLoaded());
    EXPECT_EQ(strings.Lookup(1171), "Formatfehler");
    EXPECT_EQ(strings.Lookup(1121, LookupKind::Caption), "Fehler");
    EXPECT_EQ(strings.Lookup(1122), std::string(80, 'W')) << "a slot holds 80 characters";
    EXPECT_EQ(strings.Lookup(1131), "No line feed at the end") << "the last character goes even without CR";
    EXPECT_EQ(strings.Direct(3, "New file"), "New file") << "an empty slot keeps the literal";
    EXPECT_EQ(strings.Direct(1171, "literal"), "Formatfehler");

    EXPECT_FALSE(strings.LoadLanguage("0"));
    EXPECT_EQ(strings.Lookup(1171), "Format mismatch !!!");
}

TEST(Strings, EmptySlotsFillFromEnglishAndLanguagesLayer) {
    TempFolder folder;
    WriteText(folder.File("first.lng"), "First\r\n1121=Erreur\r\n1122=Attention\r\n");
    WriteText(folder.File("second.lng"), "Second\r\n1121=Fout\r\n");
    Strings strings;
    strings.FindLanguages(folder.Path());

    ASSERT_TRUE(strings.LoadLanguage("First"));
    EXPECT_EQ(strings.Lookup(1171), "Format mismatch !!!");
    EXPECT_EQ(strings.Direct(1171, "unused"), "Format mismatch !!!") << "the lookup stored it in the slot";

    ASSERT_TRUE(strings.LoadLanguage("Second"));
    EXPECT_EQ(strings.Lookup(1121), "Fout");
    EXPECT_EQ(strings.Lookup(1122), "Attention") << "the first language's text stays";
}

TEST(Strings, LongFilesAndLongTexts) {
    TempFolder folder;
    std::string content = "Big\r\n";
    while (content.size() < Strings::kMaxFileSize - 10) content += "1500=filler\r\n";
    content += "1501=beyond the limit\r\n";
    WriteText(folder.File("big.lng"), content);
    WriteText(folder.File("empty.lng"), "");
    Strings strings;
    strings.FindLanguages(folder.Path());
    ASSERT_TRUE(strings.LoadLanguage("Big"));
    EXPECT_EQ(strings.Lookup(1500), "filler");
    EXPECT_EQ(strings.Lookup(1501), "115200 bps") << "text past 18000 bytes is never read";

    // Captions and messages hold 127 characters, terminal texts 80.
    WriteText(folder.File("big.lng"), "Big\r\n");
    strings.LoadLanguage("Big");
    const std::string english(strings.English(1381));
    EXPECT_EQ(strings.Lookup(1381, LookupKind::TerminalText).size(), std::min<std::size_t>(english.size(), 80));
}

}  // namespace
}  // namespace shell
