#include "designer/shell/settings_file.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "designer/task/test_support.h"
#include "testing/scoped_variable.h"
#include "testing/temp_folder.h"

namespace shell {
namespace {

using test_support::TempFolder;

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

TEST(SettingsFile, ExactFormat) {
    Preferences p;
    EXPECT_EQ(FormatSettings(p), "Unknow\r1\r1\r1\r0\r0\r0\r0\r1\r");
    p.lastFile = "/home/u/a.UZX";
    p.downloadVia = 0;
    p.receiveVia = 2;
    p.comPort = 3;
    p.speedIndex = 4;
    p.autoPreload = true;
    p.language = "Deutsch";
    p.portPosition = -1;
    p.recentFiles = {"/home/u/a.UZX", "", "/b.UZX", "/c.UZX", "/d.UZX", "/e.UZX"};
    EXPECT_EQ(FormatSettings(p),
              "/home/u/a.UZX\r0\r2\r3\r4\r1\r0\rDeutsch\r-1\r/home/u/a.UZX\r/b.UZX\r/c.UZX\r/d.UZX\r");

    TempFolder folder;
    const std::string path = folder.File("deeper/Mostrel.ini");
    ASSERT_TRUE(WriteSettingsFile(path, p));
    EXPECT_EQ(ReadText(path), FormatSettings(p));
    Preferences back;
    ReadSettingsFile(path, back);
    EXPECT_EQ(FormatSettings(back), FormatSettings(p));
}

TEST(SettingsFile, MissingValuesTakeDefaults) {
    TempFolder folder;
    const std::string path = folder.File("Mostrel.ini");
    WriteText(path, "/x.UZX\r0\r2\r");
    Preferences p;
    p.language = "Deutsch";
    p.recentFiles = {"/old"};
    ReadSettingsFile(path, p);
    EXPECT_EQ(p.lastFile, "/x.UZX");
    EXPECT_EQ(p.downloadVia, 0);
    EXPECT_EQ(p.receiveVia, 2);
    EXPECT_EQ(p.comPort, 1);
    EXPECT_EQ(p.speedIndex, 0);
    EXPECT_FALSE(p.autoPreload);
    EXPECT_FALSE(p.alwaysOnTop);
    EXPECT_EQ(p.portPosition, 1);
    EXPECT_EQ(p.language, "Deutsch") << "an absent language keeps its value";
    EXPECT_TRUE(p.recentFiles.empty());

    ReadSettingsFile(folder.File("none.ini"), p);
    EXPECT_EQ(p.lastFile, "Unknow");
    EXPECT_EQ(p.language, "Deutsch");
}

TEST(SettingsFile, LimitsOnRead) {
    TempFolder folder;
    const std::string path = folder.File("Mostrel.ini");
    std::string text = "Unknow\r1\r1\r1\r0\r1\r1\r" + std::string(50, 'L') + "\r2\r/1\r/2\r/3\r/4\r/5\r";
    text += std::string(1400 - text.size(), 'x');
    WriteText(path, text);
    Preferences p;
    ReadSettingsFile(path, p);
    EXPECT_EQ(p.language, std::string(40, 'L'));
    EXPECT_TRUE(p.autoPreload);
    EXPECT_TRUE(p.alwaysOnTop);
    EXPECT_EQ(p.portPosition, 2);
    EXPECT_EQ(p.recentFiles, (std::vector<std::string>{"/1", "/2", "/3", "/4"}));

    // Only the first 1299 bytes count, and a path they cut is not taken at
    // all: half of it would name a file that does not exist.
    WriteText(path, "Unknow\r1\r1\r1\r0\r0\r0\r0\r1\r/short\r/" + std::string(1400, 'p') + "\r");
    ReadSettingsFile(path, p);
    EXPECT_EQ(p.recentFiles, std::vector<std::string>{"/short"});
    EXPECT_EQ(p.portPosition, 1);
    // A first value longer than the file may be leaves only the defaults.
    WriteText(path, std::string(1300, 'p') + "\r0\r");
    ReadSettingsFile(path, p);
    EXPECT_EQ(p.lastFile, "Unknow");
    EXPECT_EQ(p.downloadVia, 1);
    // Exactly 1299 bytes, the last value without its carriage return, is whole.
    const std::string exact = "Unknow\r1\r1\r1\r0\r0\r0\r0\r1\r/" + std::string(1299 - 24, 'q');
    ASSERT_EQ(exact.size(), 1299u);
    WriteText(path, exact);
    ReadSettingsFile(path, p);
    EXPECT_EQ(p.recentFiles, std::vector<std::string>{exact.substr(23)});
}

TEST(SettingsFile, WhatIsWrittenReadsBackAsItWas) {
    TempFolder folder;
    const std::string path = folder.File("Mostrel.ini");
    const std::string a = "/" + std::string(254, 'a'), b = "/" + std::string(254, 'b'),
                      c = "/" + std::string(254, 'c'), d = "/" + std::string(254, 'd');
    Preferences p;
    p.lastFile = a;
    p.language = "Deutsch";
    p.portPosition = -1;
    p.recentFiles = {a, b, c, d};
    // 256 + 12 + 8 + 3 bytes before the recent files, 256 each: the fourth
    // would carry the file to 1303 bytes, past what is read back.
    const std::string head = a + "\r1\r1\r1\r0\r0\r0\rDeutsch\r-1\r";
    EXPECT_EQ(FormatSettings(p), head + a + "\r" + b + "\r" + c + "\r");
    ASSERT_TRUE(WriteSettingsFile(path, p));
    Preferences back;
    ReadSettingsFile(path, back);
    EXPECT_EQ(back.recentFiles, (std::vector<std::string>{a, b, c}));
    EXPECT_EQ(back.lastFile, a);
    EXPECT_EQ(back.portPosition, -1);

    // A path holding a carriage return would read back as two values.
    p.lastFile = "/x\ry.UZX";
    p.recentFiles = {"/x\ry.UZX", "/z.UZX"};
    EXPECT_EQ(FormatSettings(p), "Unknow\r1\r1\r1\r0\r0\r0\rDeutsch\r-1\r/z.UZX\r");
    // A last file too long to leave room for the values after it is not kept.
    p.lastFile = "/" + std::string(1290, 'l');
    p.recentFiles = {};
    EXPECT_EQ(FormatSettings(p), "Unknow\r1\r1\r1\r0\r0\r0\rDeutsch\r-1\r");
}

TEST(SettingsFile, AFileThatGrowsWhenWrittenBackLosesNoValue) {
    // Empty values read as their defaults, which are longer: a full file
    // written back would pass the limit and its last path would be cut.
    TempFolder folder;
    const std::string path = folder.File("Mostrel.ini");
    const std::string r1 = "/" + std::string(600, 'r'), r2 = "/" + std::string(680, 's');
    const std::string text = "\r\r\r\r\r\r\r\r\r" + r1 + "\r" + r2 + "\r";
    ASSERT_EQ(text.size(), 1293u);
    WriteText(path, text);
    Preferences p;
    ReadSettingsFile(path, p);
    EXPECT_EQ(p.recentFiles, (std::vector<std::string>{r1, r2}));
    ASSERT_TRUE(WriteSettingsFile(path, p));
    // 23 bytes of values and the first path make 625; the second would make 1307.
    EXPECT_EQ(ReadText(path), "Unknow\r1\r1\r1\r0\r0\r0\r0\r1\r" + r1 + "\r");
    Preferences back;
    ReadSettingsFile(path, back);
    EXPECT_EQ(back.recentFiles, std::vector<std::string>{r1});
}

TEST(SettingsFile, FolderFromTheEnvironmentAndSafeWrite) {
    TempFolder folder;
    Preferences p;
    {
        test_support::ScopedVariable appData("APPDATA", folder.Path());
        EXPECT_EQ(SettingsPath(), folder.Path() + "/Velmora/Mostrel.ini");
        p.comPort = 7;
        ASSERT_TRUE(WriteSettings(p));
        Preferences back;
        ReadSettings(back);
        EXPECT_EQ(back.comPort, 7);
    }

    // A folder where the file should be: nothing is written, nothing is lost.
    const std::string blocked = folder.File("blocked.ini");
    std::filesystem::create_directory(blocked);
    EXPECT_FALSE(WriteSettingsFile(blocked, p));
    EXPECT_TRUE(std::filesystem::is_directory(blocked));
}

}  // namespace
}  // namespace shell
