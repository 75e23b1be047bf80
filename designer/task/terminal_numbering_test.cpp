#include "designer/task/terminal_numbering.h"

#include <set>

#include <gtest/gtest.h>

namespace task {
namespace {

TEST(TerminalNumbering, StartupChoicesCountFromOneAndTheIdleTimeIsADigit) {
    StartupSettings settings;
    settings.fill(3);
    settings[1] = 0;
    settings[30] = 4;
    const StartupSettings sent = StartupSettingsForTerminal(settings);

    // Upload and download port, baud rate, backlight, data deletion, entry
    // option, modem speed, key click, good-read and warning beep.
    const std::set<std::size_t> countedFromOne = {5, 27, 28, 29, 31, 32, 115, 137, 138, 139};
    for (std::size_t i = 0; i < sent.size(); ++i) {
        if (i == 1 || i == 30) continue;
        EXPECT_EQ(sent[i], countedFromOne.contains(i) ? 4 : 3) << "byte " << i;
    }
    EXPECT_EQ(sent[1], 1) << "start with form 1";
    EXPECT_EQ(sent[30], '4');
    EXPECT_EQ(StartupSettingsFromTerminal(sent), settings);

    settings[1] = 1;
    EXPECT_EQ(StartupSettingsForTerminal(settings)[1], 11) << "start with menu 1";
    EXPECT_EQ(StartupSettingsFromTerminal(StartupSettingsForTerminal(settings)), settings);

    // Back from the terminal anything but form 1 starts with the menu.
    StartupSettings received{};
    received[1] = 7;
    EXPECT_EQ(StartupSettingsFromTerminal(received)[1], 1);
}

TEST(TerminalNumbering, WedgeTwoBitChoicesMoveUpButNoneStaysNone) {
    TerminalSettings settings{};
    settings[0] = 31;
    settings[2] = 200;
    // Each shift-lock type (bits 1-2) with each digits layout (bits 3-4), every other bit set.
    const Byte others = 0b1110'0001;
    const Byte sentField[] = {0, 2, 3, 0};
    const Byte backField[] = {0, 0, 1, 2};
    for (Byte shift = 0; shift < 4; ++shift) {
        for (Byte digits = 0; digits < 4; ++digits) {
            settings[1] = static_cast<Byte>(others | shift << 1 | digits << 3);
            const TerminalSettings sent = TerminalSettingsForTerminal(settings);
            EXPECT_EQ(sent[0], 32);
            EXPECT_EQ(sent[1], others | sentField[shift] << 1 | sentField[digits] << 3) << int{shift} << int{digits};
            EXPECT_EQ(sent[2], 200);

            const TerminalSettings back = TerminalSettingsFromTerminal(settings);
            EXPECT_EQ(back[0], 30);
            EXPECT_EQ(back[1], others | backField[shift] << 1 | backField[digits] << 3) << int{shift} << int{digits};
        }
    }
}

}  // namespace
}  // namespace task
