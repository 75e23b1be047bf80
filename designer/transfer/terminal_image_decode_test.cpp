#include "designer/transfer/terminal_image_decode.h"

#include <gtest/gtest.h>

#include <cstring>

#include "designer/task/test_support.h"

namespace transfer {
namespace {

TEST(TerminalImageDecode, AReceivedImageGivesTheSentTaskAndTheSameImageAgain) {
    task::TaskModel model = task::testing::FreshTask();
    model.forms[2][task::form::kFieldType] = task::form::kText;
    model.menus[1][task::menu::kItems] = 'X';
    model.startup[task::startup::kStartWithMenu] = 1;
    model.startup[task::startup::kBacklightIdle] = 4;
    model.terminal[0] = 7;
    model.terminal[1] = 0x81 | (1 << 1) | (2 << 3);
    const TerminalImage image = BuildTerminalImage(model);  // normalises the task too

    const task::TaskModel back = DecodeTerminalImage(image);
    EXPECT_EQ(WriteImage(back), image);
    EXPECT_EQ(back.barcode, model.barcode);
    EXPECT_EQ(back.menus, model.menus);
    EXPECT_EQ(back.forms, model.forms);
    EXPECT_EQ(back.lookups, model.lookups);
    EXPECT_EQ(back.terminal, model.terminal);
    EXPECT_EQ(back.startup, model.startup);
    EXPECT_EQ(back.weightCode, model.weightCode);
}

TEST(TerminalImageDecode, EntriesKeepTheirWidthAndSettingsAreRenumberedBack) {
    task::TaskModel model;
    const std::size_t entry = task::TextOffset(3, 1);  // a 21-byte entry
    std::memcpy(&model.texts[entry], "Hi", 2);
    TerminalImage image = WriteImage(model);
    const task::TaskModel back = DecodeTerminalImage(image);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&back.texts[entry])), "Hi" + std::string(18, ' '));
    EXPECT_EQ(back.texts[entry + 20], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(back.firmwareId.data())), task::kFirmwareId);

    // Program start values other than 0 all reach the terminal as 11.
    image[image::kStartupSettings + task::startup::kStartWithMenu] = 11;
    image[image::kStartupSettings + task::startup::kBacklightIdle] = '9';
    image[image::kTerminalSettings + 1] = (3 << 1) | (1 << 3);
    const task::TaskModel changed = DecodeTerminalImage(image);
    EXPECT_EQ(changed.startup[task::startup::kStartWithMenu], 1);
    EXPECT_EQ(changed.startup[task::startup::kBacklightIdle], 9);
    EXPECT_EQ(changed.terminal[1], (2 << 1) | (0 << 3));
}

}  // namespace
}  // namespace transfer
