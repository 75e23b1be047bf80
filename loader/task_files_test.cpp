// The loader's readers and writer on real files: what the user is told, and
// that a refused file or a failed write changes nothing.
#include "loader/task_files.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "testing/scripted_ui.h"
#include "designer/task/test_support.h"
#include "testing/temp_folder.h"
#include "loader/test_support.h"

namespace loader {
namespace {

using common::MessageIcon;
using test_support::ShownEvent;
using task::testing::ReadBytes;
using test_support::TempFolder;
using task::testing::WriteBytes;
using testing::Cp;
using testing::PatternFile;

class TaskFilesTest : public ::testing::Test {
protected:
    // The one message shown, as UTF-8.
    std::string OnlyMessage() const {
        EXPECT_EQ(ui.events.size(), 1u);
        if (ui.events.empty()) return {};
        const ShownEvent& e = ui.events.front();
        EXPECT_EQ(e.kind, ShownEvent::Kind::Message);
        EXPECT_EQ(e.caption, "Tarvel");
        EXPECT_EQ(e.icon, MessageIcon::None);
        return common::Cp1251ToUtf8(e.text);
    }

    TempFolder folder;
    test_support::ScriptedUi ui;
};

TEST_F(TaskFilesTest, ReadsBatchFilesOfBothLayouts) {
    const std::string path = folder.File("task.A85");
    WriteBytes(path, PatternFile("8500RU004", 19279));
    const auto task = ReadTaskFile(path, ui);
    ASSERT_TRUE(task);
    EXPECT_EQ(task->sourceModel, BatchModel::M8500);
    EXPECT_TRUE(ui.events.empty());

    WriteBytes(path, PatternFile("8000RU004", 18954));
    ASSERT_TRUE(ReadTaskFile(path, ui));
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(TaskFilesTest, RefusalsSayWhy) {
    const std::string path = folder.File("task.UZX");
    EXPECT_FALSE(ReadTaskFile(path, ui));
    EXPECT_EQ(OnlyMessage(), "Файл (" + path + ") не существует.");

    ui.events.clear();
    EXPECT_FALSE(ReadTaskFile(folder.Path(), ui)) << "a folder cannot be read as a file";
    EXPECT_EQ(OnlyMessage(), "Файл (" + folder.Path() + ") не существует.");

    ui.events.clear();
    WriteBytes(path, PatternFile("8300RU003", 18954));
    EXPECT_FALSE(ReadTaskFile(path, ui));
    EXPECT_EQ(OnlyMessage(), "Данная версия файла задачи не потдерживается.");

    ui.events.clear();
    WriteBytes(path, PatternFile("8400RU004", 19000));
    EXPECT_FALSE(ReadTaskFile(path, ui));
    EXPECT_EQ(OnlyMessage(), "Файл (" + path + ") повреждён или не является файлом задачи: он слишком короткий.");

    ui.events.clear();
    WriteBytes(path, PatternFile("80xxRU102", 4713));
    EXPECT_FALSE(ReadRadioTaskFile(path, ui));
    EXPECT_EQ(OnlyMessage(), "Файл (" + path + ") повреждён или не является файлом задачи: он слишком короткий.");

    ui.events.clear();
    EXPECT_FALSE(ReadRadioTaskFile(folder.File("missing.ATF"), ui));
    EXPECT_EQ(OnlyMessage(), "Файл (" + folder.File("missing.ATF") + ") не существует.");
}

TEST_F(TaskFilesTest, ALongPathIsCutWithTheMessageAt299Characters) {
    const std::string path = folder.File(std::string(250, 'n') + ".UZX");
    EXPECT_FALSE(ReadTaskFile(path, ui));
    const std::string shown = ui.events.at(0).text;
    EXPECT_EQ(shown.size(), 299u);
    EXPECT_EQ(shown, Cp("Файл (" + path + ") не существует.").substr(0, 299));
}

TEST_F(TaskFilesTest, ReadsRadioFilesOfBothVariants) {
    const std::string path = folder.File("task.ATF");
    WriteBytes(path, PatternFile("83xxRU103", 18043));
    const auto large = ReadRadioTaskFile(path, ui);
    ASSERT_TRUE(large);
    EXPECT_TRUE(large->IsLarge());
    WriteBytes(path, PatternFile("83xxRU102", 4714));
    const auto small = ReadRadioTaskFile(path, ui);
    ASSERT_TRUE(small);
    EXPECT_FALSE(small->IsLarge());
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(TaskFilesTest, WritesForTheTargetAndLeavesTheTaskAsItWas) {
    const std::string source = folder.File("in.UZX");
    WriteBytes(source, PatternFile("8300RU004", 18954));
    const auto task = ReadTaskFile(source, ui);
    ASSERT_TRUE(task);
    const BatchTask before = *task;
    const std::string out = folder.File("1.UZX");
    ASSERT_TRUE(WriteTaskFile(out, *task, BatchModel::M8600));
    const auto bytes = ReadBytes(out);
    EXPECT_EQ(bytes.size(), 19279u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 10), std::string("8600RU004\0", 10));
    EXPECT_EQ(*task, before);
}

TEST_F(TaskFilesTest, AFailedWriteLeavesWhatWasThere) {
    WriteBytes(folder.File("in.UZX"), PatternFile("8300RU004", 18954));
    const auto task = ReadTaskFile(folder.File("in.UZX"), ui);
    ASSERT_TRUE(task);
    // A folder in the way cannot be replaced by the file.
    const std::string inTheWay = folder.File("taken.UZX");
    ASSERT_TRUE(std::filesystem::create_directory(inTheWay));
    WriteBytes(inTheWay + "/kept", {'k'});
    EXPECT_FALSE(WriteTaskFile(inTheWay, *task, BatchModel::M8000));
    EXPECT_EQ(ReadBytes(inTheWay + "/kept"), (std::vector<task::Byte>{'k'}));
    EXPECT_FALSE(WriteTaskFile(folder.File("no/such/folder.UZX"), *task, BatchModel::M8000));
    // Nothing is left behind beside the target.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) ++entries;
    EXPECT_EQ(entries, 2) << "in.UZX and the folder";
}

}  // namespace
}  // namespace loader
