#include "designer/task/open_save.h"

#include <cstring>

#include <gtest/gtest.h>

#include "testing/scripted_ui.h"
#include "designer/task/older_layout.h"
#include "designer/task/task_file.h"
#include "designer/task/test_support.h"
#include "testing/temp_folder.h"

namespace task {
namespace {

using common::MessageIcon;
using test_support::ShownEvent;
using testing::EnglishDefaults;
using testing::FreshTask;
using test_support::TempFolder;
using testing::WriteBytes;

struct OpenSave : ::testing::Test {
    TempFolder folder;
    text::StringTable strings = strings::MakeStringTable();
    test_support::ScriptedUi ui;
    Task task;

    OpenSave() {
        task.model = FreshTask();
        task.model.forms[0][form::kFieldType] = form::kText;  // something to lose
        task.currentPath = folder.File("current.UZX");
        task.modified = true;
    }

    bool Open(const std::string& path) { return OpenTaskFile(task, path, EnglishDefaults(), strings, ui); }

    void ExpectOneWarning(const std::string& caption, const std::string& text) {
        ASSERT_EQ(ui.events.size(), 1u);
        EXPECT_EQ(ui.events[0].kind, ShownEvent::Kind::Message);
        EXPECT_EQ(ui.events[0].caption, caption);
        EXPECT_EQ(ui.events[0].text, text);
        EXPECT_EQ(ui.events[0].icon, MessageIcon::Warning);
    }
};

TEST_F(OpenSave, RefusedFilesShowTheirMessageAndKeepTheTask) {
    const Task before = task;
    EXPECT_FALSE(Open(folder.File("missing.UZX")));
    EXPECT_TRUE(ui.events.empty()) << "a file that cannot be opened fails silently";

    WriteBytes(folder.File("foreign.UZX"), std::vector<std::uint8_t>(kTaskFileSize, 'Z'));
    EXPECT_FALSE(Open(folder.File("foreign.UZX")));
    ExpectOneWarning("Error", "Format mismatch !!!");

    ui.events.clear();
    std::vector<std::uint8_t> cut = EncodeTaskFile(FreshTask());
    cut.resize(9000);
    WriteBytes(folder.File("cut.UZX"), cut);
    EXPECT_FALSE(Open(folder.File("cut.UZX")));
    ExpectOneWarning("Error", "The file is too short to be a complete task file. The task was not changed.");

    EXPECT_EQ(task.model, before.model);
    EXPECT_EQ(task.currentPath, before.currentPath);
    EXPECT_TRUE(task.modified);
}

TEST_F(OpenSave, CurrentAndUpgradedFiles) {
    TaskModel saved = FreshTask();
    saved.menus[0][menu::kFont] = 1;
    WriteBytes(folder.File("a.UZX"), EncodeTaskFile(saved));
    ASSERT_TRUE(Open(folder.File("a.UZX")));
    EXPECT_EQ(task.model, saved);
    EXPECT_EQ(task.currentPath, folder.File("a.UZX"));
    EXPECT_FALSE(task.modified);
    EXPECT_TRUE(ui.events.empty());

    saved.startup[startup::kLayoutRevision] = 2;
    WriteBytes(folder.File("old.UZX"), EncodeTaskFile(saved));
    ASSERT_TRUE(Open(folder.File("old.UZX")));
    ExpectOneWarning("Warning", UpgradeWarningText());
    EXPECT_EQ(UpgradeWarningText().substr(0, 6), "\xC7\xE0\xE4\xE0\xF7\xE0") << "Windows-1251 text";
    // The warning asks for the new version to be saved: closing must offer it.
    EXPECT_TRUE(task.modified);
    EXPECT_EQ(task.currentPath, folder.File("old.UZX"));
}

TEST_F(OpenSave, OlderLayoutHasNoPath) {
    std::vector<std::uint8_t> old(kOlderFileSize, 0);
    std::memcpy(old.data(), "7xx-4.00", 8);
    WriteBytes(folder.File("old7.UZX"), old);
    ASSERT_TRUE(Open(folder.File("old7.UZX")));
    EXPECT_TRUE(task.currentPath.empty()) << "the next Save asks for a name";
    EXPECT_TRUE(task.modified) << "the converted task is in no file yet";
    EXPECT_TRUE(ui.events.empty());
    EXPECT_FALSE(SaveTaskFile(task, strings, ui)) << "an unnamed task needs Save As";
}

TEST_F(OpenSave, SaveWritesOrKeepsTheTaskModified) {
    ASSERT_TRUE(SaveTaskFile(task, strings, ui));
    EXPECT_FALSE(task.modified);
    EXPECT_EQ(testing::ReadBytes(task.currentPath), EncodeTaskFile(task.model));

    task.modified = true;
    task.currentPath = folder.File("gone/task.UZX");
    EXPECT_FALSE(SaveTaskFile(task, strings, ui));
    EXPECT_TRUE(task.modified);
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].caption, "Error");
    EXPECT_NE(ui.events[0].text.find("Cannot save the task file. The file on disk was left as it was.\r\n"),
              std::string::npos);
    EXPECT_NE(ui.events[0].text.find("gone/task.UZX"), std::string::npos) << "the message names the file";
}

}  // namespace
}  // namespace task
