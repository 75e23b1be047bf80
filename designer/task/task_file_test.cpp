#include "designer/task/task_file.h"

#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>

#include "designer/task/startup_view.h"
#include "designer/task/test_support.h"
#include "testing/temp_folder.h"

namespace task {
namespace {

using testing::EnglishDefaults;
using testing::FreshTask;
using testing::ReadBytes;
using test_support::TempFolder;
using testing::WriteBytes;

TEST(EncodeTaskFile, LayoutOfANewTask) {
    TaskModel model = FreshTask();
    model.reserved = {0x12, 0x34};
    const auto bytes = EncodeTaskFile(model);
    ASSERT_EQ(bytes.size(), kTaskFileSize);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data()), 10), std::string("8300RU004\0", 10));
    EXPECT_EQ(bytes[10], 0x12);
    EXPECT_EQ(bytes[11], 0x34);
    EXPECT_EQ(bytes[12], 0x9B) << "barcode settings follow the reserved bytes";
    EXPECT_EQ(bytes[file::kForms + form::kNextTarget], 1);
    EXPECT_EQ(bytes[file::kForms + kFormRecordSize + form::kNextTarget], 2);
    EXPECT_EQ(bytes[file::kLookups + lookup::kDelimiter], 9);
    EXPECT_EQ(bytes[file::kTexts + TextOffset(2, 0)], '1');
    EXPECT_EQ(bytes[16115], '1') << "main menu text at its file offset";
    EXPECT_EQ(bytes[file::kTerminal + 4], 1);
    EXPECT_EQ(bytes[file::kStartup], 4);
    EXPECT_EQ(bytes[file::kWeightCode], 0xDA);
    EXPECT_EQ(bytes[file::kWeightCode + 4], '2');
    for (std::size_t i = kTaskBodyEnd; i < kTaskFileSize; ++i) ASSERT_EQ(bytes[i], 0);
}

TEST(ReadTaskFile, RoundTripAndAcceptedSignatures) {
    TaskModel saved = FreshTask();
    saved.forms[4][form::kFieldType] = form::kReal;
    saved.startup[startup::kVibratorDuration] = 3;
    std::vector<std::uint8_t> bytes = EncodeTaskFile(saved);

    TaskModel read;
    ReadResult result = DecodeTaskFile(bytes, EnglishDefaults(), read);
    EXPECT_EQ(result.status, ReadStatus::Ok);
    EXPECT_FALSE(result.upgraded);
    EXPECT_FALSE(result.olderLayout);
    EXPECT_EQ(read, saved);

    // Another firmware revision of the same model reads as the current layout.
    std::memcpy(bytes.data(), "8300RU123", 9);
    read = TaskModel{};
    EXPECT_EQ(DecodeTaskFile(bytes, EnglishDefaults(), read).status, ReadStatus::Ok);
    EXPECT_EQ(read, saved) << "the firmware identifier is the designer's own";

    // A file with the trailing zeros cut off still holds the whole layout.
    bytes.resize(kTaskBodyEnd);
    EXPECT_EQ(DecodeTaskFile(bytes, EnglishDefaults(), read).status, ReadStatus::Ok);
}

TEST(ReadTaskFile, EarlierRevisionGetsEveryUpgrade) {
    TaskModel old = FreshTask();
    old.startup[startup::kLayoutRevision] = 1;
    old.startup[startup::kLargeFontScreens] = 1;
    old.startup[startup::kKeyClick] = 0;
    old.startup[startup::kProtectedSounds + 2] = 1;
    old.startup[startup::kOldVibratorDuration] = 4;  // where earlier versions kept it
    old.startup[startup::kVibratorDuration] = 0;
    old.weightCode.fill(0x55);
    old.forms[6][form::kOnErrorTarget] = 9;
    std::vector<std::uint8_t> bytes = EncodeTaskFile(old);
    std::memcpy(bytes.data(), "8300-1.00", 9);

    TaskModel read;
    const ReadResult result = DecodeTaskFile(bytes, EnglishDefaults(), read);
    ASSERT_EQ(result.status, ReadStatus::Ok);
    EXPECT_TRUE(result.upgraded);
    const auto& s = read.startup;
    EXPECT_EQ(s[startup::kLayoutRevision], 4);
    EXPECT_EQ(s[startup::kKeyClick], 2);
    EXPECT_EQ(s[startup::kProtectedSounds + 2], 0);
    EXPECT_EQ(ConstStartupView(s).ExtraText(0), "8. Calculator  ")
        << "the large-font screens get the 15-character texts";
    EXPECT_EQ(s[startup::kVibratorDuration], 4);
    EXPECT_EQ(s[startup::kOldVibratorDuration], 0);
    EXPECT_EQ(read.weightCode, FreshTask().weightCode);
    EXPECT_EQ(read.forms[6][form::kOnErrorTarget], 0);

    // Revision 3 only loses the on-error targets.
    old = FreshTask();
    old.startup[startup::kLayoutRevision] = 3;
    old.forms[0][form::kOnErrorTarget] = 5;
    old.weightCode[weight::kPrefix] = '9';
    TaskModel readThree;
    EXPECT_TRUE(DecodeTaskFile(EncodeTaskFile(old), EnglishDefaults(), readThree).upgraded);
    EXPECT_EQ(readThree.forms[0][form::kOnErrorTarget], 0);
    EXPECT_EQ(readThree.weightCode[weight::kPrefix], '9');
}

TEST(ReadTaskFile, RefusedFilesLeaveTheTaskUntouched) {
    const TaskModel before = FreshTask();
    std::vector<std::uint8_t> bytes = EncodeTaskFile(FreshTask());
    TaskModel out = before;

    bytes[0] = 'X';
    EXPECT_EQ(DecodeTaskFile(bytes, EnglishDefaults(), out).status, ReadStatus::FormatMismatch);
    std::memcpy(bytes.data(), "8300-1.01", 9);
    EXPECT_EQ(DecodeTaskFile(bytes, EnglishDefaults(), out).status, ReadStatus::FormatMismatch);
    std::memcpy(bytes.data(), "7xx-4.01", 8);
    EXPECT_EQ(DecodeTaskFile(bytes, EnglishDefaults(), out).status, ReadStatus::FormatMismatch);

    bytes = EncodeTaskFile(FreshTask());
    bytes[file::kForms] = 1;
    bytes.resize(kTaskBodyEnd - 1);
    EXPECT_EQ(DecodeTaskFile(bytes, EnglishDefaults(), out).status, ReadStatus::TooShort);
    bytes.resize(5);
    EXPECT_EQ(DecodeTaskFile(bytes, EnglishDefaults(), out).status, ReadStatus::TooShort);
    bytes.clear();
    EXPECT_EQ(DecodeTaskFile(bytes, EnglishDefaults(), out).status, ReadStatus::TooShort);
    EXPECT_EQ(out, before);

    TempFolder folder;
    EXPECT_EQ(ReadTaskFile(folder.File("missing.UZX"), EnglishDefaults(), out).status, ReadStatus::CannotOpen);
    EXPECT_EQ(ReadTaskFile(folder.Path(), EnglishDefaults(), out).status, ReadStatus::CannotOpen)
        << "a folder is no task file, not a short one";
    EXPECT_EQ(out, before);
}

TEST(WriteTaskFile, WritesAndReplacesSafely) {
    TempFolder folder;
    const std::string path = folder.File("task.UZX");
    TaskModel model = FreshTask();
    ASSERT_TRUE(WriteTaskFile(path, model).ok);
    EXPECT_EQ(ReadBytes(path), EncodeTaskFile(model));

    model.forms[0][form::kFont] = 1;
    ASSERT_TRUE(WriteTaskFile(path, model).ok);
    EXPECT_EQ(ReadBytes(path), EncodeTaskFile(model));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
        << "no temporary file is left behind";
}

TEST(WriteTaskFile, FailureKeepsWhatWasThere) {
    TempFolder folder;
    const WriteResult missingFolder = WriteTaskFile(folder.File("no/such/folder/task.UZX"), FreshTask());
    EXPECT_FALSE(missingFolder.ok);
    EXPECT_FALSE(missingFolder.error.empty());

    // A folder standing where the file should be cannot be replaced.
    const std::string occupied = folder.File("occupied.UZX");
    std::filesystem::create_directory(occupied);
    WriteBytes(occupied + "/inside", {1, 2, 3});
    EXPECT_FALSE(WriteTaskFile(occupied, FreshTask()).ok);
    EXPECT_EQ(ReadBytes(occupied + "/inside"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(WithTaskExtension, AppendsUnlessPresentInAnyCase) {
    EXPECT_EQ(WithTaskExtension("/tmp/a"), "/tmp/a.UZX");
    EXPECT_EQ(WithTaskExtension("/tmp/a.uzx"), "/tmp/a.uzx");
    EXPECT_EQ(WithTaskExtension("/tmp/a.uZx"), "/tmp/a.uZx");
    EXPECT_EQ(WithTaskExtension("/tmp/a.UZ"), "/tmp/a.UZ.UZX");
    EXPECT_EQ(WithTaskExtension("/tmp/aUZX"), "/tmp/aUZX.UZX");
    EXPECT_EQ(WithTaskExtension("UZX"), "UZX.UZX");
}

}  // namespace
}  // namespace task
