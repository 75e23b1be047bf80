#include "designer/transfer/terminal_image.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "designer/task/test_support.h"

namespace transfer {
namespace {

using task::Byte;

std::string ImageText(const TerminalImage& image, std::size_t offset, std::size_t length) {
    return std::string(reinterpret_cast<const char*>(image.data() + offset), length);
}

TEST(TerminalImage, NewTaskAtAHandfulOfPlaces) {
    task::TaskModel model = task::testing::FreshTask();
    const TerminalImage image = BuildTerminalImage(model);
    const auto text = [&](std::size_t offset, std::size_t length) { return ImageText(image, offset, length); };

    // Menu 1 (at 23): no caption shown, so its caption stays empty; its empty
    // items are padded with spaces and none counts as filled.
    EXPECT_EQ(text(23 + 2, 21), std::string(21, '\0'));
    EXPECT_EQ(text(23 + 23, 21), std::string(20, ' ') + '\0');
    EXPECT_EQ(text(23 + 233 - 21, 21), std::string(20, ' ') + '\0');  // item 10
    EXPECT_EQ(image[23 + 247], 0);
    // Forms 1 and 10 (at 3523 and 14458) go on to themselves; date "/" and time ":" separators, length 80.
    EXPECT_EQ(image[3523 + 2], 1);
    EXPECT_EQ(image[14458 + 2], 10);
    EXPECT_EQ(image[3523 + 10], '/');
    EXPECT_EQ(image[3523 + 17], ':');
    EXPECT_EQ(image[3523 + 221], 80);
    // Lookup 1 (at 15673): field offsets from 1, a TAB delimiter, uploadable.
    EXPECT_EQ(image[15673 + 3], 1);
    EXPECT_EQ(image[15673 + 19], 9);
    EXPECT_EQ(image[15673 + 20], 1);
    // The texts (at 16039): table 1 empty, the main menu's first and blank fourth entries, the system menu.
    EXPECT_EQ(text(16039, 16), std::string(15, ' ') + '\0');
    EXPECT_EQ(text(16103, 16), std::string("1.Collect data ") + '\0');
    EXPECT_EQ(text(16151, 16), std::string(15, ' ') + '\0');
    EXPECT_EQ(text(16167, 21), std::string("1. Prog. Settings   ") + '\0');
    EXPECT_EQ(text(18486, 21), std::string("ENTER:Save ESC:Exit ") + '\0');
    // Terminal settings (at 18507): keyboard type 0 goes out as 1.
    EXPECT_EQ(image[18507], 1);
    EXPECT_EQ(image[18507 + 4], 1);
    // Start-up settings (at 18562) in the terminal's numbering.
    const std::vector<std::pair<std::size_t, int>> startup = {
        {0, 4}, {1, 1}, {2, 9}, {5, 2}, {27, 2}, {28, 1}, {29, 1}, {30, '2'},
        {31, 1}, {32, 2}, {33, 6}, {115, 1}, {137, 3}, {138, 2}, {139, 3}};
    for (const auto& [offset, value] : startup) EXPECT_EQ(image[18562 + offset], value) << "start-up byte " << offset;
    EXPECT_EQ(text(18562 + 150, 21), std::string("8. Calculator       ") + '\0');
    // Weight code (at 18830): 43994, no flags, "23", 7, 2, 4.
    EXPECT_EQ(text(18830, 12), std::string("\xDA\xAB\x00\x00" "23" "\x07\x00\x02\x00\x04\x00", 12));
    EXPECT_EQ(text(18842, 20000 - 18842), std::string(20000 - 18842, '\0'));
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
}  // namespace transfer
