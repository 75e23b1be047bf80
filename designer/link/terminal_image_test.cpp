#include "designer/link/terminal_image.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace termlink {
namespace {

using task::Byte;

std::string ImageText(const TerminalImage& image, std::size_t offset, std::size_t length) {
    return std::string(reinterpret_cast<const char*>(image.data() + offset), length);
}

TEST(TerminalImage, BlocksSitAtTheirOffsetsAndTheTailStaysZero) {
    task::TaskModel model;
    model.firmwareId.fill(0xEE);  // neither the identifier nor the reserved bytes travel
    model.reserved.fill(0xEE);
    model.barcode.fill(0x11);
    for (auto& m : model.menus) m.fill(0x22);
    for (auto& f : model.forms) f.fill(0x33);
    for (auto& l : model.lookups) l.fill(0x44);
    model.weightCode.fill(0x55);

    const TerminalImage image = WriteImage(model);
    EXPECT_EQ(image[0], 0x11);
    EXPECT_EQ(image[22], 0x11);
    EXPECT_EQ(image[23], 0x22);
    EXPECT_EQ(image[3522], 0x22);
    EXPECT_EQ(image[3523], 0x33);
    EXPECT_EQ(image[15672], 0x33);
    EXPECT_EQ(image[15673], 0x44);
    EXPECT_EQ(image[16038], 0x44);
    EXPECT_EQ(image[18830], 0x55);
    EXPECT_EQ(image[18841], 0x55);
    for (std::size_t i = image::kContentEnd; i < kTerminalImageSize; ++i) ASSERT_EQ(image[i], 0) << i;
    for (Byte b : image) ASSERT_NE(b, 0xEE);
}

TEST(TerminalImage, TextEntriesArePaddedWithSpacesToTheirWidth) {
    task::TaskModel model;
    std::memcpy(&model.texts[task::TextOffset(1, 0)], "AB", 2);        // 16-byte entry
    std::memcpy(&model.texts[task::TextOffset(3, 7)], "Collect", 7);   // 21-byte entry, the last of its table
    std::memset(&model.texts[task::TextOffset(2, 1)], 'X', 16);        // no room left for the zero

    const TerminalImage image = WriteImage(model);
    const std::size_t base = image::kTexts;
    EXPECT_EQ(ImageText(image, base + task::TextOffset(1, 0), 16), std::string("AB") + std::string(13, ' ') + '\0');
    EXPECT_EQ(ImageText(image, base + task::TextOffset(3, 7), 21),
              std::string("Collect") + std::string(13, ' ') + '\0');
    EXPECT_EQ(ImageText(image, base + task::TextOffset(2, 1), 16), std::string(15, 'X') + '\0');
    // An empty entry becomes all spaces, and the following table starts where it always does.
    EXPECT_EQ(ImageText(image, base + task::TextOffset(4, 0), 16), std::string(15, ' ') + '\0');
    EXPECT_EQ(ImageText(image, base + task::TextOffset(27, 2), 21), std::string(20, ' ') + '\0');
    EXPECT_EQ(image[image::kTerminalSettings - 1], 0);
}

TEST(TerminalImage, SettingsAreRenumberedInTheImageOnly) {
    task::TaskModel model;
    model.terminal[0] = 4;
    model.terminal[1] = 0b1110'1111;  // shift type 3 (wraps to 0), digits layout 1 (becomes 2), other bits set
    model.terminal[2] = 9;
    model.startup[1] = 3;
    model.startup[5] = 0;
    model.startup[27] = 2;
    model.startup[28] = 4;
    model.startup[30] = 2;
    model.startup[139] = 1;
    model.startup[140] = 7;
    const task::TaskModel before = model;

    const TerminalImage image = WriteImage(model);
    EXPECT_EQ(model, before);
    const std::size_t t = image::kTerminalSettings;
    EXPECT_EQ(image[t + 0], 5);
    EXPECT_EQ(image[t + 1], 0b1111'0001);
    EXPECT_EQ(image[t + 2], 9);
    const std::size_t s = image::kStartupSettings;
    EXPECT_EQ(image[s + 1], 11);
    EXPECT_EQ(image[s + 5], 1);
    EXPECT_EQ(image[s + 27], 3);
    EXPECT_EQ(image[s + 28], 5);
    EXPECT_EQ(image[s + 29], 1);
    EXPECT_EQ(image[s + 30], '2');
    EXPECT_EQ(image[s + 139], 2);
    EXPECT_EQ(image[s + 140], 7);

    model.startup[1] = 0;
    model.terminal[1] = 0b0001'0100;  // shift type 2 becomes 3, digits layout 2 becomes 3
    const TerminalImage second = WriteImage(model);
    EXPECT_EQ(second[s + 1], 1);
    EXPECT_EQ(second[t + 1], 0b0001'1110);
}

TEST(TerminalImage, BuildingNormalisesTheTaskInPlace) {
    task::TaskModel model;
    auto& menu = model.menus[0];
    menu[task::menu::kShowCaption] = 1;
    std::memcpy(&menu[task::menu::kCaption], "Main", 4);
    std::memcpy(&menu[task::menu::kItems], "   ", 3);  // only spaces: not a filled item
    std::memcpy(&menu[task::menu::kItems + 2 * task::kWideSlot], "Count", 5);

    auto& form = model.forms[1];
    form[task::form::kFieldType + 2] = task::form::kLookup;
    form[task::form::kFieldType + 4] = task::form::kText;
    form[task::form::kMaxLength + 4] = 90;
    form[task::form::kMinLength + 4] = 85;
    model.forms[2][task::form::kFieldType + 2] = task::form::kLookup;
    auto& large = model.forms[3];  // a large-font form keeps at most four typed lines
    large[task::form::kFont] = 1;
    for (int j = 0; j < task::kFormLines; ++j) large[task::form::kFieldType + j] = task::form::kInteger;

    const TerminalImage image = BuildTerminalImage(model);
    EXPECT_EQ(menu[task::menu::kVisibleItems], 1);
    EXPECT_EQ(ImageText(image, image::kMenus + task::menu::kCaption, 21), std::string("Main") + std::string(16, ' ') + '\0');
    EXPECT_EQ(image[image::kMenus + task::menu::kVisibleItems], 1);

    const std::size_t second = image::kForms + task::kFormRecordSize;
    EXPECT_EQ(image[second + task::form::kLineCount], 5);
    EXPECT_EQ(image[second + task::form::kMaxLength + 4], 80);
    EXPECT_EQ(image[second + task::form::kMinLength + 4], 80);
    EXPECT_EQ(model.forms[2][task::form::kLineCount], 0);  // a lookup line is no input line
    const std::size_t fourth = image::kForms + 3 * task::kFormRecordSize;
    EXPECT_EQ(image[fourth + task::form::kFieldType + 3], task::form::kInteger);
    EXPECT_EQ(image[fourth + task::form::kFieldType + 4], 0);
    EXPECT_EQ(large[task::form::kLineCount], 4);
}

}  // namespace
}  // namespace termlink
