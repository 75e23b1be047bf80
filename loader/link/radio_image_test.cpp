// The radio image, checked at offsets worked out from the block sizes:
// 26 header bytes, menus of 221, forms of 567, a block of 603 and the texts.
#include "loader/link/radio_image.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "loader/test_support.h"

namespace loader {
namespace {

using testing::Slice;

RadioTask TaskWithId(std::string_view id) {
    RadioTask task;
    std::copy(id.begin(), id.end(), task.firmwareId.begin());
    for (std::size_t i = 0; i < task.headerC.size(); ++i) task.headerC[i] = static_cast<Byte>(0xC0 + i);
    for (auto& menu : task.menus) menu.fill(0x11);
    for (auto& form : task.forms) form.fill(0x22);
    task.blockD.fill(0x33);
    task.texts.fill('t');
    return task;
}

TEST(RadioImage, TheSmallVariantFillsFiftyBlocks) {
    RadioTask task = TaskWithId("80xxRU102");
    task.headerB[0] = 4;
    const RadioImage image = BuildRadioImage(task);
    EXPECT_EQ(RadioBlocks(task), 50);
    EXPECT_EQ(image[0], 102) << "the family identifier's version digits";
    EXPECT_EQ(image[1], 6) << "small variant with a header";
    EXPECT_EQ(image[2], 0xC0);
    EXPECT_EQ(image[25], 0xC0 + 23);
    EXPECT_EQ(image[26], 0x11) << "the one menu";
    EXPECT_EQ(image[246], 0x11);
    EXPECT_EQ(image[247], 0x22) << "five forms";
    EXPECT_EQ(image[3081], 0x22);
    EXPECT_EQ(image[3082], 0x33) << "the block after the forms";
    EXPECT_EQ(image[3684], 0x33);
    EXPECT_EQ(image[3685], 't') << "the texts";
    EXPECT_EQ(image[4702], 0) << "the last text entry ends with its NUL";
    EXPECT_TRUE(std::all_of(image.begin() + 4703, image.end(), [](Byte b) { return b == 0; }));
}

TEST(RadioImage, TheLargeVariantFillsOneHundredEightyTwoBlocks) {
    RadioTask task = TaskWithId("84xxRU103");
    task.headerB[0] = 1;
    const RadioImage image = BuildRadioImage(task);
    EXPECT_EQ(RadioBlocks(task), 182);
    EXPECT_EQ(image[0], 102);
    EXPECT_EQ(image[1], 26) << "large variant with a header";
    EXPECT_EQ(image[2235], 0x11) << "ten menus";
    EXPECT_EQ(image[2236], 0x22) << "twenty-five forms";
    EXPECT_EQ(image[16410], 0x22);
    EXPECT_EQ(image[16411], 0x33);
    EXPECT_EQ(image[17014], 't');
    EXPECT_EQ(image[18031], 0);
    EXPECT_TRUE(std::all_of(image.begin() + 18032, image.end(), [](Byte b) { return b == 0; }));

    task.headerB[0] = 0;
    EXPECT_EQ(BuildRadioImage(task)[1], 1) << "no header: 1 in either variant";
}

TEST(RadioImage, TextEntriesAreSpacePaddedToTheirWidth) {
    RadioTask task = TaskWithId("80xxRU102");
    const std::string first("Item\0rubbish", 12);  // block 1: entries of 16 bytes
    std::copy(first.begin(), first.end(), task.texts.begin());
    const std::string second = "0123456789ABCDEF";  // 16 characters fill the entry
    std::copy(second.begin(), second.end(), task.texts.begin() + 16);
    const std::string wide("Caption\0", 8);  // block 2: entries of 21 bytes
    std::copy(wide.begin(), wide.end(), task.texts.begin() + 48);
    const RadioImage image = BuildRadioImage(task);

    constexpr std::size_t kTexts = 3685;
    EXPECT_EQ(Slice(image, kTexts, 16), "Item" + std::string(11, ' ') + std::string(1, '\0'));
    EXPECT_EQ(Slice(image, kTexts + 16, 16), std::string("0123456789ABCDE\0", 16));
    EXPECT_EQ(Slice(image, kTexts + 32, 16), std::string(15, 't') + std::string(1, '\0'));
    EXPECT_EQ(Slice(image, kTexts + 48, 21), "Caption" + std::string(13, ' ') + std::string(1, '\0'));
    // Block 9, the last, has entries of 16 bytes again.
    EXPECT_EQ(Slice(image, kTexts + 1018 - 16, 16), std::string(15, 't') + std::string(1, '\0'));
    EXPECT_EQ(Slice(image, kTexts + 1018 - 128 - 21, 21), std::string(20, 't') + std::string(1, '\0'))
        << "block 8, 21 bytes";
}

}  // namespace
}  // namespace loader
