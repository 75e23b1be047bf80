// Reading batch task files of both layouts, crafted at the offsets the layouts give.
#include "loader/batch_file.h"

#include <gtest/gtest.h>

#include "loader/test_support.h"

namespace loader {
namespace {

using testing::Bytes;
using testing::Cp;
using testing::PatternAt;
using testing::PatternFile;
using testing::Put;
using testing::Slice;

constexpr std::size_t kMenus = 35;
constexpr std::size_t kForms = 3535;
constexpr std::size_t kTexts = 16051;

// Every byte of a block as read equals the file's pattern from `offset` on.
template <typename Block>
void ExpectBlockFrom(const Block& block, std::size_t offset, const char* what) {
    for (std::size_t i = 0; i < block.size(); ++i) {
        ASSERT_EQ(block[i], PatternAt(offset + i)) << what << " byte " << i;
    }
}

DecodeResult Decode(const Bytes& bytes) { return DecodeBatchFile(bytes); }

TEST(DecodeBatchFile, BlocksOfTheMixedLayout) {
    const DecodeResult read = Decode(PatternFile("8000RU004", 18954));
    ASSERT_EQ(read.status, DecodeStatus::Ok);
    const task::TaskModel& b = read.task.blocks;
    EXPECT_EQ(Slice(b.firmwareId, 0, 10), std::string("8000RU004\0", 10));
    EXPECT_EQ(read.task.sourceModel, BatchModel::M8000);
    ExpectBlockFrom(b.reserved, 10, "reserved");
    ExpectBlockFrom(b.barcode, 12, "barcode");
    ExpectBlockFrom(b.menus[0], 35, "menu 1");  // mixed menus are kept as read
    ExpectBlockFrom(b.menus[9], 35 + 9 * 350, "menu 10");
    ExpectBlockFrom(b.lookups[2], 15685 + 2 * 122, "lookup 3");
    ExpectBlockFrom(b.terminal, 18519, "terminal");
    ExpectBlockFrom(b.startup, 18574, "startup");
    ExpectBlockFrom(b.weightCode, 18842, "weight code");
    for (std::size_t i = 0; i < 1215; ++i) {
        if (i != 1013) {
            ASSERT_EQ(b.forms[3][i], PatternAt(3535 + 3 * 1215 + i)) << "form 4 byte " << i;
        }
    }
}

TEST(DecodeBatchFile, BlocksOfTheWideLayout) {
    for (const char* id : {"8200RU004", "8400RU004", "8500RU004", "8600RU004", "8700RU004"}) {
        const DecodeResult read = Decode(PatternFile(id, 19279));
        ASSERT_EQ(read.status, DecodeStatus::Ok) << id;
        const task::TaskModel& b = read.task.blocks;
        EXPECT_EQ(Slice(b.firmwareId, 0, 10), std::string(id, 10));
        ExpectBlockFrom(b.barcode, 12, "barcode");
        ExpectBlockFrom(b.lookups[0], 15685, "lookup 1");
        ExpectBlockFrom(read.task.wideTexts, 16051, "wide texts, as read");
        ExpectBlockFrom(b.terminal, 18844, "terminal");
        ExpectBlockFrom(b.startup, 18899, "startup");
        ExpectBlockFrom(b.weightCode, 19167, "weight code");
    }
}

TEST(DecodeBatchFile, VersionDigitsFromFourOnAreHeldAsFour) {
    Bytes file = PatternFile("8300RU007", 18954);
    DecodeResult read = Decode(file);
    ASSERT_EQ(read.status, DecodeStatus::Ok);
    EXPECT_EQ(Slice(read.task.blocks.firmwareId, 0, 10), std::string("8300RU004\0", 10));
    EXPECT_EQ(read.task.sourceModel, BatchModel::M8300);

    // Below 4, a digit that is no digit, or an identifier of none of the seven
    // terminals: the version is refused.
    for (const char* id : {"8300RU003", "8300RU000", "8300RU0x7", "8300RU 07", "8300-1.00", "8100RU004", "8300RU014",
                           "8300ru004", "7xx-4.00"}) {
        Put(file, 0, std::string(id) + '\0');
        EXPECT_EQ(Decode(file).status, DecodeStatus::UnsupportedVersion) << id;
    }
    Put(file, 0, "8300RU004X");  // no NUL after the nine characters
    EXPECT_EQ(Decode(file).status, DecodeStatus::UnsupportedVersion);
}

TEST(DecodeBatchFile, FilesShorterThanTheirBlocksAreRefused) {
    // The 100 zero bytes at the end are never needed.
    EXPECT_EQ(Decode(PatternFile("8300RU004", 18854)).status, DecodeStatus::Ok);
    EXPECT_EQ(Decode(PatternFile("8300RU004", 18853)).status, DecodeStatus::TooShort);
    EXPECT_EQ(Decode(PatternFile("8400RU004", 19179)).status, DecodeStatus::Ok);
    EXPECT_EQ(Decode(PatternFile("8400RU004", 19178)).status, DecodeStatus::TooShort);
    EXPECT_EQ(Decode(PatternFile("8400RU004", 18954)).status, DecodeStatus::TooShort) << "a wide file cut to the mixed size";
    EXPECT_EQ(Decode(Bytes{'8', '3', '0', '0', 'R', 'U', '0', '0', '4'}).status, DecodeStatus::TooShort);
    EXPECT_EQ(Decode(Bytes{}).status, DecodeStatus::TooShort);
    // A short file of a refused version says so first.
    EXPECT_EQ(Decode(PatternFile("8300RU003", 100)).status, DecodeStatus::UnsupportedVersion);
}

TEST(DecodeBatchFile, MenusOfWideFilesArePaddedAndTheirFilledItemsCounted) {
    Bytes file = PatternFile("8400RU004", 19279);
    constexpr std::size_t kItems = kMenus + 23;
    for (std::size_t i = 0; i < 10; ++i) Put(file, kItems + i * 21, std::string(21, '\0'));
    Put(file, kItems + 0 * 21, Cp("Молоко") + '\0');
    Put(file, kItems + 2 * 21, Cp(" Хлеб") + '\0');       // leading space: still an item
    Put(file, kItems + 3 * 21, std::string("   \0", 4));  // spaces only: empty
    Put(file, kItems + 4 * 21, "ABCDEFGHIJKLMNOPQRSTU");  // 21 characters, no NUL
    Put(file, kItems + 5 * 21, std::string(20, ' ') + "Z");  // only the cut character shows
    const DecodeResult read = Decode(file);
    ASSERT_EQ(read.status, DecodeStatus::Ok);
    const task::MenuRecord& menu = read.task.blocks.menus[0];
    EXPECT_EQ(menu[247], 3);
    EXPECT_EQ(Slice(menu, 23, 21), Cp("Молоко") + std::string(14, ' ') + '\0');
    EXPECT_EQ(Slice(menu, 23 + 21, 21), std::string(20, ' ') + '\0');
    EXPECT_EQ(Slice(menu, 23 + 2 * 21, 21), Cp(" Хлеб") + std::string(15, ' ') + '\0');
    EXPECT_EQ(Slice(menu, 23 + 4 * 21, 21), std::string("ABCDEFGHIJKLMNOPQRST\0", 21));
    EXPECT_EQ(Slice(menu, 23 + 9 * 21, 21), std::string(20, ' ') + '\0');
    EXPECT_EQ(menu[0], PatternAt(kMenus)) << "the rest of the menu stays as read";
    EXPECT_EQ(menu[246], PatternAt(kMenus + 246));
}

TEST(DecodeBatchFile, MenusOfMixedFilesStayAsRead) {
    Bytes file = PatternFile("8300RU004", 18954);
    Put(file, kMenus + 23, std::string("A\0", 2));
    file[kMenus + 247] = 9;
    const DecodeResult read = Decode(file);
    EXPECT_EQ(read.task.blocks.menus[0][247], 9);
    EXPECT_EQ(read.task.blocks.menus[0][25], PatternAt(kMenus + 25)) << "no padding";
}

TEST(DecodeBatchFile, EveryFormCountsItsLinesUpToTheLastInputLine) {
    for (const char* id : {"8300RU004", "8600RU004"}) {
        Bytes file = PatternFile(id, 19279);
        const auto types = [&](int form, std::string_view eight) { Put(file, kForms + form * 1215 + 29, eight); };
        types(0, {"\x01\x00\x09\x02\x00\x00\x00\x00", 8});  // 1, 0, 9, 2: four lines
        types(1, {"\x00\x07\x08\x09\x0A\x0B\x0C\x00", 8});  // nothing takes input
        types(2, {"\x00\x00\x00\x00\x00\x00\x00\x0D", 8});  // a pause on the last line
        types(3, {"\x06\x00\x00\x12\x00\x00\x00\x00", 8});  // 18 counts, as every type from 13 on
        file[kForms + 1 * 1215 + 1013] = 7;              // whatever the file held
        const DecodeResult read = Decode(file);
        ASSERT_EQ(read.status, DecodeStatus::Ok);
        EXPECT_EQ(read.task.blocks.forms[0][1013], 4) << id;
        EXPECT_EQ(read.task.blocks.forms[1][1013], 0) << id;
        EXPECT_EQ(read.task.blocks.forms[2][1013], 8) << id;
        EXPECT_EQ(read.task.blocks.forms[3][1013], 4) << id;
    }
}

TEST(DecodeBatchFile, MixedTextsArePaddedAndCopiedIntoTheWideLayout) {
    Bytes file = PatternFile("8300RU004", 18954);
    Put(file, kTexts, "0123456789ABCDEF");                   // table 1 entry 1: 16 characters, no NUL
    Put(file, kTexts + 128, std::string("Hello\0junk", 10));  // table 3 entry 1
    const DecodeResult read = Decode(file);
    ASSERT_EQ(read.status, DecodeStatus::Ok);
    EXPECT_EQ(Slice(read.task.blocks.texts, 0, 16), std::string("0123456789ABCDE\0", 16));
    EXPECT_EQ(Slice(read.task.blocks.texts, 128, 21), "Hello" + std::string(15, ' ') + '\0');
    EXPECT_EQ(Slice(read.task.wideTexts, 0, 21), std::string("0123456789ABCDE\0\0\0\0\0\0", 21));
    EXPECT_EQ(Slice(read.task.wideTexts, 168, 21), "Hello" + std::string(15, ' ') + '\0');
}

TEST(DecodeBatchFile, WideTextsAreKeptAsReadAndCutForTheMixedCopy) {
    Bytes file = PatternFile("8500RU004", 19279);
    Put(file, kTexts, "ABCDEFGHIJKLMNOPQRSTU");            // table 1 entry 1
    Put(file, kTexts + 168, std::string("Hi\0junk", 7));    // table 3 entry 1
    const DecodeResult read = Decode(file);
    ASSERT_EQ(read.status, DecodeStatus::Ok);
    EXPECT_EQ(Slice(read.task.wideTexts, 0, 21), "ABCDEFGHIJKLMNOPQRSTU");
    EXPECT_EQ(Slice(read.task.wideTexts, 168, 7), std::string("Hi\0junk", 7));
    EXPECT_EQ(Slice(read.task.blocks.texts, 0, 16), std::string("ABCDEFGHIJKLMNO\0", 16));
    EXPECT_EQ(Slice(read.task.blocks.texts, 128, 7), std::string("Hi\0junk", 7));
    EXPECT_EQ(read.task.blocks.texts[128 + 20], 0);
}

}  // namespace
}  // namespace loader
