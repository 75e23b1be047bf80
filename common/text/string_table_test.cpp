#include "common/text/string_table.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "testing/temp_folder.h"

namespace text {
namespace {

// A small built-in table in the shape the programs embed theirs.
const std::string kEnglish =
    "English\r\n"
    "# ids below are the test's own\r\n"
    "\r\n"
    "3=New file\r\n"
    "721=1.Collect data \r\n"
    "1121=Error\r\n"
    "1122=Warning\r\n"
    "1136= records received.\\nView the received data?\r\n"
    "1137=Continue?\\r\\nYes\\No\r\n"
    "1171=Format mismatch !!!\r\n"
    "1213=menu  \r\n"
    "1381=" + std::string(100, 'M') + "\r\n"
    "1501=115200 bps\r\n"
    "x12=not an id\r\n"
    "3000=beyond the slots\n"
    "1101=&New\tCtrl+N";

using test_support::TempFolder;

TEST(StringTable, BuiltInTableLines) {
    StringTable strings(kEnglish);
    EXPECT_FALSE(strings.LanguageLoaded());
    EXPECT_EQ(strings.Lookup(1171), "Format mismatch !!!");
    EXPECT_EQ(strings.Lookup(1121, LookupKind::Caption), "Error");
    EXPECT_EQ(strings.Lookup(721, LookupKind::TerminalText), "1.Collect data ");
    EXPECT_EQ(strings.Lookup(1213), "menu  ") << "trailing blanks are part of a text";
    EXPECT_EQ(strings.Lookup(1101), "&New\tCtrl+N") << "a last line without a line end";
    EXPECT_EQ(strings.Lookup(1136), " records received.\nView the received data?");
    EXPECT_EQ(strings.Lookup(1137), "Continue?\r\nYes\\No") << "a backslash before other letters stays";
    EXPECT_EQ(strings.Lookup(3000), "beyond the slots") << "built-in ids are not limited to the slots";
    EXPECT_EQ(strings.Lookup(9999), "");
    EXPECT_EQ(strings.Lookup(12), "") << "a line whose id is not a number is skipped";
    const StringTable named("5=the name line\n6=an entry");
    EXPECT_EQ(named.BuiltIn(5), "") << "the first line names the table and is no entry";
    EXPECT_EQ(named.BuiltIn(6), "an entry");

    // Captions and messages hold 127 characters, terminal texts 80.
    EXPECT_EQ(strings.Lookup(1381, LookupKind::Caption), std::string(100, 'M'));
    EXPECT_EQ(strings.Lookup(1381, LookupKind::TerminalText), std::string(80, 'M'));
    EXPECT_EQ(strings.Direct(1101), "&New\tCtrl+N");
}

TEST(StringTable, FindLanguagesNamesAndLimits) {
    TempFolder folder;
    StringTable strings(kEnglish);
    EXPECT_EQ(strings.FindLanguages(folder.Path()), -1);
    folder.Write("notes.txt", "Not a language\r\n");
    EXPECT_EQ(strings.FindLanguages(folder.Path()), -1);

    folder.Write("b.lng", std::string(60, 'N') + "\r\n1=x\r\n");
    folder.Write("a.LNG", "Deutsch\r\n1=Programm\r\n");
    ASSERT_EQ(strings.FindLanguages(folder.Path()), 2);
    EXPECT_EQ(strings.Languages()[0].name, "Deutsch");
    EXPECT_EQ(strings.Languages()[1].name, std::string(40, 'N')) << "names are cut to 40 characters";

    for (int i = 0; i < 25; ++i) folder.Write("x" + std::to_string(100 + i) + ".lng", "L\r\n");
    EXPECT_EQ(strings.FindLanguages(folder.Path()), 20);
}

TEST(StringTable, ALanguageNamedAsTheBuiltInTableIsNotListed) {
    // "0" is what the settings file stores for the built-in table: listed, the
    // language could be chosen, and the designer would then speak English.
    TempFolder folder;
    folder.Write("a.lng", "0\r\n1121=Null\r\n");
    folder.Write("b.lng", "0 \r\n1121=Blank\r\n");
    folder.Write("c.lng", "Deutsch\r\n1121=Fehler\r\n");
    StringTable strings(kEnglish);
    ASSERT_EQ(strings.FindLanguages(folder.Path()), 2);
    EXPECT_EQ(strings.Languages()[0].name, "0 ");
    EXPECT_EQ(strings.Languages()[1].name, "Deutsch");
    EXPECT_FALSE(strings.LoadLanguage("0"));
    EXPECT_EQ(strings.Lookup(1121), "Error");
    ASSERT_TRUE(strings.LoadLanguage("0 "));
    EXPECT_EQ(strings.Lookup(1121), "Blank");

    folder.Write("c.lng", "");  // an unnamed language still ends the list
    EXPECT_EQ(strings.FindLanguages(folder.Path()), 1);
    std::filesystem::remove(folder.File("b.lng"));
    EXPECT_EQ(strings.FindLanguages(folder.Path()), -1);
}

TEST(StringTable, LoadLanguageLines) {
    TempFolder folder;
    std::string content = "Test\r\n1171=Formatfehler\r\n1121=Fehler\r\n2800=out of range\r\n-5=negative\r\n";
    content += "garbage line\r\n1122=" + std::string(100, 'W') + "\r\n3=\r\n";
    content += "1131=No line feed at the end?";
    folder.Write("test.lng", content);
    StringTable strings(kEnglish);
    strings.FindLanguages(folder.Path());

    EXPECT_FALSE(strings.LoadLanguage("0")) << "the built-in table matches no file";
    EXPECT_FALSE(strings.LoadLanguage("Other"));
    ASSERT_TRUE(strings.LoadLanguage("Test"));
    EXPECT_TRUE(strings.LanguageLoaded());
    EXPECT_EQ(strings.Lookup(1171), "Formatfehler");
    EXPECT_EQ(strings.Lookup(1121, LookupKind::Caption), "Fehler");
    EXPECT_EQ(strings.Lookup(1122), std::string(80, 'W')) << "a slot holds 80 characters";
    EXPECT_EQ(strings.Lookup(1131), "No line feed at the end") << "the last character goes even without CR";
    EXPECT_EQ(strings.Direct(3), "New file") << "an empty slot keeps the built-in text";
    EXPECT_EQ(strings.Direct(1171), "Formatfehler");

    EXPECT_FALSE(strings.LoadLanguage("0"));
    EXPECT_EQ(strings.Lookup(1171), "Format mismatch !!!");
    EXPECT_EQ(strings.Direct(1171), "Format mismatch !!!");
}

TEST(StringTable, EmptySlotsFillFromBuiltInAndLanguagesLayer) {
    TempFolder folder;
    folder.Write("first.lng", "First\r\n1121=Erreur\r\n1122=Attention\r\n");
    folder.Write("second.lng", "Second\r\n1121=Fout\r\n");
    StringTable strings(kEnglish);
    strings.FindLanguages(folder.Path());

    ASSERT_TRUE(strings.LoadLanguage("First"));
    EXPECT_EQ(strings.Lookup(1171), "Format mismatch !!!");

    // A direct read leaves the slot empty; a lookup fills it with the text cut to a slot.
    EXPECT_EQ(strings.Direct(1381), std::string(100, 'M'));
    EXPECT_EQ(strings.Direct(1381), std::string(100, 'M'));
    strings.Lookup(1381);
    EXPECT_EQ(strings.Direct(1381), std::string(80, 'M')) << "the lookup stored it in the slot";

    ASSERT_TRUE(strings.LoadLanguage("Second"));
    EXPECT_EQ(strings.Lookup(1121), "Fout");
    EXPECT_EQ(strings.Lookup(1122), "Attention") << "the first language's text stays";
}

TEST(StringTable, LongLanguageFiles) {
    static_assert(StringTable::kMaxFileSize >= StringTable::kSlotCount * (5 + StringTable::kSlotText + 2),
                  "a file with every slot filled is read whole");
    TempFolder folder;
    std::string content = "Big\r\n";
    const std::string filler = "1500=filler\r\n";
    while (content.size() + filler.size() <= StringTable::kMaxFileSize) content += filler;
    // A line without "=" is skipped; it brings the file to the limit exactly.
    content += std::string(StringTable::kMaxFileSize - content.size() - 2, '-') + "\r\n";
    content += "1501=beyond the limit\r\n";
    folder.Write("big.lng", content);
    folder.Write("empty.lng", "");
    StringTable strings(kEnglish);
    strings.FindLanguages(folder.Path());
    ASSERT_TRUE(strings.LoadLanguage("Big"));
    EXPECT_EQ(strings.Lookup(1500), "filler");
    EXPECT_EQ(strings.Lookup(1501), "115200 bps") << "text past the size limit is never read";
}

// The loader's table is Russian: the same class serves it.
TEST(StringTable, RussianBuiltInTable) {
    std::string longRussian;
    for (int i = 0; i < 100; ++i) longRussian += "Я";
    StringTable strings("Русский\n"
                        "1=Ошибка\n"
                        "2=Файл сконвертирован\n"
                        "3=Нет связи с терминалом\n"
                        "5=" + longRussian + "\n");
    const std::string error = "\xCE\xF8\xE8\xE1\xEA\xE0";
    const std::string converted = "\xD4\xE0\xE9\xEB \xF1\xEA\xEE\xED\xE2\xE5\xF0\xF2\xE8\xF0\xEE\xE2\xE0\xED";
    const std::string noLink = "\xCD\xE5\xF2 \xF1\xE2\xFF\xE7\xE8 \xF1 \xF2\xE5\xF0\xEC\xE8\xED\xE0\xEB\xEE\xEC";

    EXPECT_EQ(strings.BuiltIn(1), error);
    EXPECT_EQ(strings.Lookup(1, LookupKind::Caption), error);
    EXPECT_EQ(strings.Direct(2), converted);
    // Cut by characters: a Windows-1251 character is one byte, its UTF-8 source two.
    EXPECT_EQ(strings.Lookup(5, LookupKind::TerminalText), std::string(80, '\xDF'));
    EXPECT_EQ(strings.Lookup(5), std::string(100, '\xDF'));

    TempFolder folder;
    folder.Write("english.lng", "English\r\n1=Error\r\n3=\r\n");
    ASSERT_EQ(strings.FindLanguages(folder.Path()), 1);
    ASSERT_TRUE(strings.LoadLanguage("English"));
    EXPECT_EQ(strings.Lookup(1, LookupKind::Caption), "Error");
    EXPECT_EQ(strings.Direct(3), noLink) << "an empty slot falls back to the Russian text";
    EXPECT_EQ(strings.Lookup(5, LookupKind::TerminalText), std::string(80, '\xDF'));
    EXPECT_EQ(strings.Direct(5), std::string(80, '\xDF')) << "the lookup filled the slot from the Russian table";
}

}  // namespace
}  // namespace text
