// Reading radio task files of both variants, and the prefix a conversion writes.
#include "loader/radio_file.h"

#include <gtest/gtest.h>

#include "loader/test_support.h"

namespace loader {
namespace {

using testing::Bytes;
using testing::PatternAt;
using testing::PatternFile;
using testing::Slice;

template <typename Block>
void ExpectBlockFrom(const Block& block, std::size_t offset, const char* what) {
    for (std::size_t i = 0; i < block.size(); ++i) ASSERT_EQ(block[i], PatternAt(offset + i)) << what << " byte " << i;
}

TEST(DecodeRadioFile, TheSmallVariantHoldsOneMenuAndFiveForms) {
    Bytes file = PatternFile("80xxRU102", 4714);
    file[37 + 200] = 50;
    const RadioDecodeResult read = DecodeRadioFile(file);
    ASSERT_TRUE(read.ok);
    const RadioTask& t = read.task;
    EXPECT_FALSE(t.IsLarge());
    EXPECT_EQ(Slice(t.firmwareId, 0, 10), std::string("80xxRU102\0", 10));
    ExpectBlockFrom(t.headerA, 10, "header A");
    ExpectBlockFrom(t.headerB, 12, "header B");
    ExpectBlockFrom(t.headerC, 13, "header C");
    EXPECT_EQ(t.menus[0][0], PatternAt(37));
    EXPECT_EQ(t.menus[0][200], 50);
    ExpectBlockFrom(t.forms[0], 258, "form 1");
    ExpectBlockFrom(t.forms[4], 258 + 4 * 567, "form 5");
    ExpectBlockFrom(t.blockD, 3093, "block D");
    ExpectBlockFrom(t.texts, 3696, "text blocks");
    EXPECT_EQ(t.menus[1], RadioMenuRecord{}) << "slots beyond the variant stay empty";
    EXPECT_EQ(t.forms[5], RadioFormRecord{});
}

TEST(DecodeRadioFile, TheLargeVariantHoldsTenMenusAndTwentyFiveForms) {
    const RadioDecodeResult read = DecodeRadioFile(PatternFile("84xxRU103", 18043));
    ASSERT_TRUE(read.ok);
    const RadioTask& t = read.task;
    EXPECT_TRUE(t.IsLarge());
    ExpectBlockFrom(t.menus[9], 37 + 9 * 221, "menu 10");
    ExpectBlockFrom(t.forms[0], 2247, "form 1");
    ExpectBlockFrom(t.forms[24], 2247 + 24 * 567, "form 25");
    ExpectBlockFrom(t.blockD, 16422, "block D");
    ExpectBlockFrom(t.texts, 17025, "text blocks");
}

TEST(DecodeRadioFile, FilesShorterThanTheirVariantAreRefused) {
    EXPECT_TRUE(DecodeRadioFile(PatternFile("80xxRU102", 4714)).ok);
    EXPECT_FALSE(DecodeRadioFile(PatternFile("80xxRU102", 4713)).ok);
    EXPECT_TRUE(DecodeRadioFile(PatternFile("80xxRU103", 18043)).ok);
    EXPECT_FALSE(DecodeRadioFile(PatternFile("80xxRU103", 18042)).ok);
    EXPECT_FALSE(DecodeRadioFile(PatternFile("80xxRU103", 4714)).ok) << "a large task cut to the small size";
    EXPECT_FALSE(DecodeRadioFile(Bytes{'8', '0'}).ok);
    EXPECT_TRUE(DecodeRadioFile(PatternFile("80xxRU102", 5000)).ok) << "a longer file's tail is not read";
}

TEST(DecodeRadioFile, TheFirstMenusRangedSettingDefaultsToTen) {
    for (const auto& [stored, held] : {std::pair<Byte, Byte>{0, 10}, {1, 1}, {99, 99}, {100, 10}, {255, 10}}) {
        Bytes file = PatternFile("80xxRU102", 4714);
        file[37 + 200] = stored;
        EXPECT_EQ(DecodeRadioFile(file).task.menus[0][200], held) << int(stored);
    }
}

TEST(WithRadioPrefix, OnlyTheFirstFourBytesChange) {
    const Bytes file = PatternFile("80xxRU103", 18043);
    const Bytes out = WithRadioPrefix(file, "84xx");
    ASSERT_EQ(out.size(), file.size());
    EXPECT_EQ(Slice(out, 0, 4), "84xx");
    EXPECT_TRUE(std::equal(out.begin() + 4, out.end(), file.begin() + 4));
    EXPECT_EQ(WithRadioPrefix(Bytes{'8', '0', 'x', 'x'}, "85xx"), (Bytes{'8', '5', 'x', 'x'}));
    EXPECT_TRUE(WithRadioPrefix(Bytes{'8', '0', 'x'}, "85xx").empty()) << "no prefix to rewrite";
}

}  // namespace
}  // namespace loader
