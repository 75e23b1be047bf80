// The Russian language file shipped beside the programs.
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "designer/strings/english_table.h"
#include "designer/strings/string_ids.h"
#include "designer/task/defaults.h"

namespace shell {
namespace {

namespace id = strings::id;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(RussianLanguage, ShippedFileMatchesItsSourceAndLoads) {
    const std::string built = ReadFile(std::string(MOSTREL_BIN_DIR) + "/Russian.lng");
    ASSERT_FALSE(built.empty());
    EXPECT_EQ(ReadFile(std::string(MOSTREL_SOURCE_DIR) + "/resources/lang/Russian.lng"), built)
        << "resources/lang/Russian.lng is regenerated from Russian.txt";
    EXPECT_LE(built.size(), text::StringTable::kMaxFileSize);

    text::StringTable strings = strings::MakeStringTable();
    ASSERT_GE(strings.FindLanguages(MOSTREL_BIN_DIR), 1);
    const std::string name = common::Utf8ToCp1251("Русский");
    EXPECT_EQ(strings.Languages()[0].name, name);
    ASSERT_TRUE(strings.LoadLanguage(name));
    EXPECT_EQ(common::Cp1251ToUtf8(strings.Lookup(id::kFormatMismatch)), "Формат не совпадает !!!");
    EXPECT_EQ(common::Cp1251ToUtf8(strings.Lookup(id::kSavePrompt)), "Сохранить текущую программу?");
    EXPECT_EQ(common::Cp1251ToUtf8(strings.Direct(id::kMenuNew)), "&Новый\tCtrl+N");
    EXPECT_EQ(strings.Direct(id::kOkButton), "OK");
    EXPECT_EQ(common::Cp1251ToUtf8(strings.Direct(id::kProgressCaption)), "Ход выполнения");

    // Every translated terminal text fills a screen line of 15 or 20 characters.
    const task::DefaultTexts texts = task::LoadDefaultTexts(strings);
    for (const auto& [id, text] : texts.byId) {
        EXPECT_TRUE(text.size() == 15 || text.size() == 20) << id;
    }
    EXPECT_EQ(common::Cp1251ToUtf8(texts.Text(721)), "1.Сбор данных  ");
    EXPECT_EQ(texts.Text(761).size(), 20u);
    EXPECT_EQ(texts.Text(771).size(), 15u);
}

// The ids of a table's source file (UTF-8, the first line its name) with their texts.
std::map<int, std::string> SourceEntries(const std::string& relativePath) {
    std::istringstream in(ReadFile(std::string(MOSTREL_SOURCE_DIR) + "/" + relativePath));
    std::map<int, std::string> entries;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos || eq == 0) continue;
        entries[std::stoi(line.substr(0, eq))] = line.substr(eq + 1);
    }
    return entries;
}

TEST(RussianLanguage, EveryEnglishTextHasItsRussianOne) {
    const std::map<int, std::string> english = SourceEntries("resources/strings_en.txt");
    const std::map<int, std::string> russian = SourceEntries("resources/lang/Russian.txt");
    ASSERT_GT(english.size(), 400u) << "the English table was not read";
    for (const auto& [id, text] : english) {
        const auto found = russian.find(id);
        EXPECT_TRUE(found != russian.end() && !found->second.empty()) << id << "=" << text << " has no Russian text";
    }
    for (const auto& [id, text] : russian) {
        EXPECT_TRUE(english.contains(id)) << id << "=" << text << " translates no English text";
    }
    EXPECT_EQ(russian.at(id::kQtTranslationsCode), "ru") << "Qt's own dialogs follow the language";
}

}  // namespace
}  // namespace shell
