#include "designer/strings/english_table.h"

#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>

#include "designer/strings/string_ids.h"

namespace strings {
namespace {

TEST(EnglishTable, TextsAsShown) {
    text::StringTable table = MakeStringTable();
    EXPECT_EQ(table.Lookup(id::kFormatMismatch), "Format mismatch !!!");
    EXPECT_EQ(table.Lookup(id::kErrorCaption, text::LookupKind::Caption), "Error");
    EXPECT_EQ(table.Lookup(721, text::LookupKind::TerminalText), "1.Collect data ");
    EXPECT_EQ(table.Lookup(1213), "menu  ") << "trailing blanks are part of a text";
    EXPECT_EQ(table.Lookup(id::kCradleMissing), "Cradle is not available!! ");
    EXPECT_EQ(table.Direct(id::kProgramName), "CipherLab's 8300 Quarrow");
    EXPECT_EQ(table.Direct(id::kMenuNew), "&New\tCtrl+N");
    EXPECT_EQ(table.Direct(id::kOkButton), "OK");
    // The upload's closing question is built around the count.
    EXPECT_EQ(table.Direct(id::kUploadDoneBefore) + "12" + table.Direct(id::kUploadDoneAfter),
              "Done : 12 records received.\nView the received data?");
    EXPECT_EQ(table.Direct(id::kProgressLabel), "Downloading...");
}

// The registry's ids as its source file names them.
std::map<std::string, int> RegistryIds() {
    std::ifstream in(std::string(MOSTREL_SOURCE_DIR) + "/designer/strings/string_ids.h");
    std::stringstream source;
    source << in.rdbuf();
    const std::string text = source.str();
    static const std::regex kDefinition(R"(constexpr int (k\w+) = (\d+);)");
    std::map<std::string, int> ids;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), kDefinition); it != std::sregex_iterator(); ++it) {
        ids[(*it)[1]] = std::stoi((*it)[2]);
    }
    return ids;
}

TEST(EnglishTable, EveryRegistryIdHasAnEnglishTextAndOneName) {
    const std::map<std::string, int> ids = RegistryIds();
    ASSERT_GT(ids.size(), 60u) << "the registry was not read";
    EXPECT_EQ(ids.at("kErrorCaption"), id::kErrorCaption);

    const text::StringTable table = MakeStringTable();
    std::map<int, std::string> names;
    for (const auto& [name, number] : ids) {
        EXPECT_FALSE(table.BuiltIn(number).empty()) << name << " = " << number << " has no English text";
        const auto [earlier, fresh] = names.emplace(number, name);
        EXPECT_TRUE(fresh) << number << " is both " << earlier->second << " and " << name;
    }
}

}  // namespace
}  // namespace strings
