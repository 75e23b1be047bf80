// The two layouts of the terminal texts and the copies derived between them.
#include "loader/text_layouts.h"

#include <gtest/gtest.h>

#include "loader/test_support.h"

namespace loader {
namespace {

using testing::Bytes;
using testing::Slice;

TEST(TextLayouts, EntryOffsetsOfBothLayouts) {
    // Mixed: tables 1 and 2 hold four 16-byte entries, table 3 eight of 21.
    EXPECT_EQ(TextEntryOffset(TextLayout::Mixed, 2, 1), 80u);
    EXPECT_EQ(TextEntryOffset(TextLayout::Mixed, 3, 0), 128u);
    EXPECT_EQ(TextEntryOffset(TextLayout::Mixed, 9, 0), 768u);
    EXPECT_EQ(TextEntryOffset(TextLayout::Mixed, 10, 0), 894u);
    // Wide: 21 bytes for every entry, 133 entries.
    EXPECT_EQ(TextEntryOffset(TextLayout::Wide, 2, 1), 105u);
    EXPECT_EQ(TextEntryOffset(TextLayout::Wide, 3, 0), 168u);
    EXPECT_EQ(TextEntryOffset(TextLayout::Wide, 9, 5), 1008u);
    EXPECT_EQ(TextEntryOffset(TextLayout::Wide, 10, 0), 1029u);
    EXPECT_EQ(TextEntryOffset(TextLayout::Wide, 27, 2), 2772u);
}

TEST(PadEntries, SpacesAfterTheTextAndTheLastByteAlwaysNul) {
    Bytes entries = {'A', 'B', 0, 'x', 'y', 'z',   // text, NUL, leftovers
                     'C', 'D', 'E', 'F', 'G', 'H',  // fills the entry: loses its last character
                     0, 'q', 0, 'r', 's', 't'};     // empty text
    PadEntries(entries.data(), 6, 3);
    EXPECT_EQ(Slice(entries, 0, 18), std::string("AB   \0CDEFG\0     \0", 18));
}

TEST(PadEntries, SixteenCharactersWithoutNulAreCutToFifteen) {
    std::string entry = "0123456789ABCDEF";
    PadEntries(reinterpret_cast<Byte*>(entry.data()), 16, 1);
    EXPECT_EQ(entry, std::string("0123456789ABCDE\0", 16));
}

TEST(TextLayouts, MixedCopyOfWideTextsCutsEveryEntryToItsWidth) {
    WideTexts wide{};
    for (std::size_t i = 0; i < wide.size(); ++i) wide[i] = static_cast<Byte>('a' + i % 21);  // "abc...u" in each entry
    const MixedTexts mixed = MixedFromWide(wide);
    // Table 1, a 16-byte table: the first 15 characters and a NUL.
    EXPECT_EQ(Slice(mixed, 0, 16), std::string("abcdefghijklmno\0", 16));
    // Table 3, a 21-byte table: 20 characters and a NUL.
    EXPECT_EQ(Slice(mixed, 128, 21), std::string("abcdefghijklmnopqrst\0", 21));
    // Table 27, last entry.
    EXPECT_EQ(Slice(mixed, 2468 - 21, 21), std::string("abcdefghijklmnopqrst\0", 21));
}

TEST(TextLayouts, WideCopyOfMixedTextsFollowsShortEntriesWithZeros) {
    MixedTexts mixed{};
    mixed.fill('-');
    PadMixedTables(mixed);  // entries of "-" ended by a NUL at their own width
    const WideTexts wide = WideFromMixed(mixed);
    EXPECT_EQ(Slice(wide, 0, 21), std::string(15, '-') + std::string(6, '\0'));
    EXPECT_EQ(Slice(wide, 84, 21), std::string(15, '-') + std::string(6, '\0')) << "table 2";
    EXPECT_EQ(Slice(wide, 168, 21), std::string(20, '-') + std::string(1, '\0')) << "table 3";
    EXPECT_EQ(Slice(wide, 2772, 21), std::string(20, '-') + std::string(1, '\0')) << "table 27";
}

TEST(TextLayouts, PaddingTheMixedTablesUsesEachTablesWidth) {
    MixedTexts mixed{};
    PadMixedTables(mixed);
    EXPECT_EQ(Slice(mixed, 0, 16), std::string(15, ' ') + std::string(1, '\0'));
    EXPECT_EQ(Slice(mixed, 128, 21), std::string(20, ' ') + std::string(1, '\0'));
    EXPECT_EQ(Slice(mixed, 2468 - 16 - 3 * 21, 16), std::string(15, ' ') + std::string(1, '\0')) << "table 26";
}

}  // namespace
}  // namespace loader
