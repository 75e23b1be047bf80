#include "designer/shell/command_line.h"

#include <fstream>

#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "designer/strings/english_table.h"
#include "testing/temp_folder.h"

namespace shell {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, AFileToOpenHelpAndVersion) {
    EXPECT_EQ(ParseCommandLine({}).action, Action::Run);
    EXPECT_TRUE(ParseCommandLine({}).file.empty());
    const CommandLine open = ParseCommandLine({"stock.UZX"});
    EXPECT_EQ(open.action, Action::Run);
    EXPECT_EQ(open.file, "stock.UZX");

    EXPECT_EQ(ParseCommandLine({"--help"}).action, Action::Help);
    EXPECT_EQ(ParseCommandLine({"-h"}).action, Action::Help);
    EXPECT_EQ(ParseCommandLine({"--version"}).action, Action::Version);
    // They win wherever they stand, even after an argument that would be refused.
    EXPECT_EQ(ParseCommandLine({"stock.UZX", "--bogus", "--help"}).action, Action::Help);
    EXPECT_EQ(ParseCommandLine({"a.UZX", "b.UZX", "--version"}).action, Action::Version);

    // After "--" a name that starts with a dash is a file.
    const CommandLine dashed = ParseCommandLine({"--", "-odd.UZX"});
    EXPECT_EQ(dashed.action, Action::Run);
    EXPECT_EQ(dashed.file, "-odd.UZX");
    EXPECT_EQ(ParseCommandLine({"--", "--help"}).file, "--help");
}

TEST(CommandLine, WhatIsNotUnderstoodIsRefusedWithTheHelp) {
    text::StringTable strings = strings::MakeStringTable();
    const CommandLine unknown = ParseCommandLine({"--bogus", "x.UZX"});
    EXPECT_EQ(unknown.action, Action::Refuse);
    EXPECT_EQ(RefusalText(unknown, strings),
              "Unknown option: --bogus\n"
              "Usage: Mostrel [FILE]\n"
              "Starts the task designer with the task file FILE (*.UZX) open.\n"
              "  --help     show this text and exit\n"
              "  --version  show the version and exit\n");

    const CommandLine two = ParseCommandLine({"a.UZX", "b.UZX", "c.UZX"});
    EXPECT_EQ(two.action, Action::Refuse);
    EXPECT_EQ(RefusalText(two, strings).substr(0, 40), "Only one task file can be opened: b.UZX\n");
}

TEST(CommandLine, TheHelpSpeaksTheLanguage) {
    test_support::TempFolder folder;
    std::ofstream(folder.File("ru.lng"), std::ios::binary)
        << common::Utf8ToCp1251("Русский\r\n1255=Запуск: Mostrel [ФАЙЛ]\r\n");
    text::StringTable strings = strings::MakeStringTable();
    ASSERT_EQ(strings.FindLanguages(folder.Path()), 1);
    ASSERT_TRUE(strings.LoadLanguage(common::Utf8ToCp1251("Русский")));
    const std::string help = common::Cp1251ToUtf8(HelpText(strings));
    EXPECT_EQ(help.substr(0, help.find('\n') + 1), "Запуск: Mostrel [ФАЙЛ]\n");
}

}  // namespace
}  // namespace shell
