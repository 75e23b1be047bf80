// TARVEL.ini: its exact bytes, how hand-edited and damaged files read, and
// that a failed write keeps the old file.
#include "loader/loader_settings.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "common/file_replace.h"
#include "testing/failing_file_calls.h"
#include "testing/temp_folder.h"

namespace loader {
namespace {

using test_support::TempFolder;

void ExpectSettings(const LoaderSettings& s, const std::string& path, int link, int port, int speed) {
    EXPECT_EQ(s.lastTaskPath, path);
    EXPECT_EQ(s.linkType, link);
    EXPECT_EQ(s.portNumber, port);
    EXPECT_EQ(s.speedIndex, speed);
}

TEST(LoaderSettingsFormat, FourValuesEachEndedByACarriageReturnAlone) {
    LoaderSettings s;
    s.lastTaskPath = "/home/ivan/Склад.UZX";
    s.linkType = 0;
    s.portNumber = 12;
    s.speedIndex = 4;
    EXPECT_EQ(FormatLoaderSettings(s), "/home/ivan/Склад.UZX\r0\r12\r4\r");
    EXPECT_EQ(FormatLoaderSettings(LoaderSettings()), "Unknow\r1\r1\r0\r");
}

TEST(LoaderSettingsFormat, APathTheFileCannotHoldIsWrittenAsUnknow) {
    LoaderSettings s;
    s.lastTaskPath = "/" + std::string(260, 'a');
    EXPECT_EQ(FormatLoaderSettings(s), "Unknow\r1\r1\r0\r");
    s.lastTaskPath = std::string(260, 'a');
    EXPECT_EQ(FormatLoaderSettings(s), std::string(260, 'a') + "\r1\r1\r0\r");
}

TEST(LoaderSettingsParse, ReadsWhatTheLoaderWrites) {
    ExpectSettings(ParseLoaderSettings("C:\\Tasks\\a.UZX\r0\r3\r4\r"), "C:\\Tasks\\a.UZX", 0, 3, 4);
}

TEST(LoaderSettingsParse, MissingValuesTakeTheirDefaults) {
    ExpectSettings(ParseLoaderSettings(""), "Unknow", 1, 1, 0);
    ExpectSettings(ParseLoaderSettings("/t/a.UZX\r"), "/t/a.UZX", 1, 1, 0);
    ExpectSettings(ParseLoaderSettings("/t/a.UZX\r0\r"), "/t/a.UZX", 0, 1, 0);
}

TEST(LoaderSettingsParse, LineEndsInARowCountAsOne) {
    ExpectSettings(ParseLoaderSettings("/t/a.UZX\r\r0\r3\r4\r"), "/t/a.UZX", 0, 3, 4);
    // A file edited with line feeds, or saved with both, reads as meant
    // instead of giving the link type the line feed's code.
    ExpectSettings(ParseLoaderSettings("/t/a.UZX\n0\n3\n4\n"), "/t/a.UZX", 0, 3, 4);
    ExpectSettings(ParseLoaderSettings("/t/a.UZX\r\n0\r\n3\r\n2\r\n"), "/t/a.UZX", 0, 3, 2);
}

TEST(LoaderSettingsParse, ValuesOutOfRangeTakeTheirDefaults) {
    ExpectSettings(ParseLoaderSettings("p\r2\r0\r5\r"), "p", 1, 1, 0);
    ExpectSettings(ParseLoaderSettings("p\r-1\r-4\r9\r"), "p", 1, 1, 0);
    ExpectSettings(ParseLoaderSettings("p\rx\rCOM3\r \r"), "p", 1, 1, 0);
}

TEST(LoaderSettingsParse, LinkAndSpeedAreTheDigitTheyStartWithThePortItsNumber) {
    ExpectSettings(ParseLoaderSettings("p\r0 RS-232\r 7 \r3bps\r"), "p", 0, 7, 3);
    ExpectSettings(ParseLoaderSettings("p\r1\r99999999999\r0\r"), "p", 1, 999999, 0);
}

TEST(LoaderSettingsParse, AnOverlongPathOrFileIsNotTaken) {
    const std::string longest(260, 'a');
    ExpectSettings(ParseLoaderSettings(longest + "\r0\r3\r4\r"), longest, 0, 3, 4);
    ExpectSettings(ParseLoaderSettings(longest + "b\r0\r3\r4\r"), "Unknow", 0, 3, 4);
    // Nothing beyond the file's 1299 bytes is read: the speed here starts at byte 1299.
    const std::string padding(1293, '\r');
    ExpectSettings(ParseLoaderSettings("p\r0\r3\r" + padding + "4\r"), "p", 0, 3, 0);
}

TEST(LoaderSettingsFile, AMissingFileGivesTheDefaultsAndSaysSo) {
    TempFolder folder;
    LoaderSettings s;
    s.lastTaskPath = "kept?";
    EXPECT_FALSE(ReadLoaderSettings(folder.File("TARVEL.ini"), s));
    ExpectSettings(s, "Unknow", 1, 1, 0);
}

TEST(LoaderSettingsFile, WrittenAndReadBackInAFolderMadeOnTheWay) {
    TempFolder folder;
    const std::string path = folder.File("settings/Velmora/TARVEL.ini");
    LoaderSettings s;
    s.lastTaskPath = folder.File("a.A85");
    s.linkType = 0;
    s.portNumber = 5;
    s.speedIndex = 2;
    ASSERT_TRUE(WriteLoaderSettings(path, s));
    LoaderSettings read;
    EXPECT_TRUE(ReadLoaderSettings(path, read));
    ExpectSettings(read, folder.File("a.A85"), 0, 5, 2);
}

TEST(LoaderSettingsFile, AFileThatCannotBeWrittenIsReportedAndLeavesNothing) {
    TempFolder folder;
    // A file standing where the settings file's folder should be.
    folder.Write("blocked", "kept");
    EXPECT_FALSE(WriteLoaderSettings(folder.File("blocked/TARVEL.ini"), LoaderSettings()));
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) ++entries;
    EXPECT_EQ(entries, 1u);
}

TEST(LoaderSettingsFile, AWriteReplacesTheWholeFile) {
    TempFolder folder;
    folder.Write("TARVEL.ini", "/a/much/longer/path/than/the/new/one.UZX\r0\r3\r4\r");
    ASSERT_TRUE(WriteLoaderSettings(folder.File("TARVEL.ini"), LoaderSettings()));
    std::ifstream in(folder.File("TARVEL.ini"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "Unknow\r1\r1\r0\r");
}

TEST(LoaderSettingsFile, AFailingWriteFlushOrRenameKeepsTheOldFile) {
    TempFolder folder;
    const std::string path = folder.File("TARVEL.ini");
    const std::string old = "/old.UZX\r0\r3\r4\r";
    LoaderSettings changed;
    changed.lastTaskPath = "/new.UZX";
    const int points = test_support::CountFailurePoints([&] { WriteLoaderSettings(path, changed); });
    EXPECT_EQ(points, 3);  // the write, the flush, the rename
    for (int point = 1; point <= points; ++point) {
        SCOPED_TRACE(point);
        folder.Write("TARVEL.ini", old);
        {
            test_support::FailingFileCalls failing(point);
            common::FileCallsOverride active(failing);
            EXPECT_FALSE(WriteLoaderSettings(path, changed));
        }
        EXPECT_EQ(folder.Read("TARVEL.ini"), old);
        std::size_t entries = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) ++entries;
        EXPECT_EQ(entries, 1u) << "a temporary file was left behind";
        ASSERT_TRUE(WriteLoaderSettings(path, changed));
        EXPECT_EQ(folder.Read("TARVEL.ini"), "/new.UZX\r1\r1\r0\r");
    }
}

}  // namespace
}  // namespace loader
