// The Russian language file shipped beside the programs.
#include <fstream>
#include <iterator>

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
    EXPECT_EQ(strings.Direct(id::kProgressCaption), "Progress") << "an entry the file lacks stays English";

    // Every translated terminal text fills a screen line of 15 or 20 characters.
    const task::DefaultTexts texts = task::LoadDefaultTexts(strings);
    for (const auto& [id, text] : texts.byId) {
        EXPECT_TRUE(text.size() == 15 || text.size() == 20) << id;
    }
    EXPECT_EQ(common::Cp1251ToUtf8(texts.Text(721)), "1.Сбор данных  ");
    EXPECT_EQ(texts.Text(761).size(), 20u);
    EXPECT_EQ(texts.Text(771).size(), 15u);
}

}  // namespace
}  // namespace shell
