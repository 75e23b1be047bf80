#include "designer/shell/designer_session.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "designer/shell/recent_files.h"
#include "testing/failing_file_calls.h"
#include "designer/task/task_file.h"
#include "designer/task/test_support.h"
#include "testing/scoped_variable.h"
#include "testing/scripted_ui.h"
#include "testing/temp_folder.h"

namespace shell {
namespace {

using common::Answer;
using test_support::ShownEvent;
using test_support::TempFolder;

class RecordingHost final : public SessionHost {
public:
    int sheets = 0;
    int restarts = 0;
    int placements = 0;
    int recentChanges = 0;
    void OpenPropertySheet() override { ++sheets; }
    void RestartSimulator() override { ++restarts; }
    void PlaceWindow() override { ++placements; }
    void RecentFilesChanged() override { ++recentChanges; }
};

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A session whose settings live in a temporary folder.
class SessionTest : public ::testing::Test {
protected:
    SessionTest() { session.SetHost(&host); }

    std::string SettingsText() const { return ReadText(folder.File("appdata/Velmora/Mostrel.ini")); }

    // A task saved by a session of its own, so this one starts with nothing remembered.
    std::string SavedTask(const std::string& name, int lineTextMark) {
        task::TaskModel model = task::testing::FreshTask();
        model.forms[0][task::form::kLineText] = static_cast<task::Byte>(lineTextMark);
        const std::string path = folder.File(name);
        EXPECT_TRUE(task::WriteTaskFile(path, model).ok);
        return path;
    }

    void WriteSettings(const Preferences& p) {
        ASSERT_TRUE(WriteSettingsFile(folder.File("appdata/Velmora/Mostrel.ini"), p));
    }

    TempFolder folder;
    test_support::ScopedVariable appData{"APPDATA", folder.File("appdata")};
    test_support::ScriptedUi ui;
    RecordingHost host;
    DesignerSession session{ui, folder.Path()};
};

TEST_F(SessionTest, StartsWithANewTaskAndPreloadsOnlyWhatCanBeRead) {
    Preferences p;
    p.autoPreload = true;  // but no file remembered
    WriteSettings(p);
    session.Start();
    EXPECT_EQ(session.CurrentTask().model, task::testing::FreshTask());
    EXPECT_TRUE(session.CurrentTask().currentPath.empty());
    EXPECT_TRUE(ui.events.empty());

    const std::string good = SavedTask("good.UZX", 'G');
    p.lastFile = good;
    WriteSettings(p);
    DesignerSession preloading(ui, folder.Path());
    preloading.Start();
    EXPECT_EQ(preloading.CurrentTask().currentPath, good);
    EXPECT_EQ(preloading.CurrentTask().model.forms[0][task::form::kLineText], 'G');
    EXPECT_EQ(preloading.CurrentPreferences().recentFiles, std::vector<std::string>{good});

    // A remembered file that is no task: the message, and a new task without its name.
    std::ofstream(folder.File("junk.UZX")) << "not a task at all";
    p.lastFile = folder.File("junk.UZX");
    WriteSettings(p);
    DesignerSession refusing(ui, folder.Path());
    refusing.Start();
    EXPECT_TRUE(refusing.CurrentTask().currentPath.empty());
    EXPECT_EQ(refusing.CurrentTask().model, task::testing::FreshTask());
    EXPECT_EQ(ui.MessageTexts().back(), "Format mismatch !!!");
}

TEST_F(SessionTest, StartCopesWithWhateverTheFilesItReadsHold) {
    // Language files beside the program: a folder, an empty one (which ends
    // the list), a huge one whose name is forty zero bytes.
    std::filesystem::create_directory(folder.File("a.lng"));
    std::ofstream(folder.File("b.lng"), std::ios::binary).write(std::string(100, '\0').data(), 100);
    std::filesystem::resize_file(folder.File("b.lng"), 3ull << 30);
    std::ofstream(folder.File("c.lng"));
    std::filesystem::create_directories(folder.File("folder.UZX"));
    std::ofstream(folder.File("empty.UZX"));
    std::ofstream(folder.File("odd\nname \xFF*.UZX"), std::ios::binary) << "8300RU";
    for (const std::string& remembered : {folder.File("folder.UZX"), folder.File("missing.UZX"),
                                          folder.File("empty.UZX"), folder.File("b.lng"), std::string("/dev/zero"),
                                          folder.File("odd\nname \xFF*.UZX")}) {
        SCOPED_TRACE(remembered);
        Preferences p;
        p.autoPreload = true;
        p.lastFile = remembered;
        p.language = std::string(40, '\0');
        WriteSettings(p);
        DesignerSession starting(ui, folder.Path());
        starting.Start();
        EXPECT_EQ(starting.Texts().Languages().size(), 1u);
        EXPECT_TRUE(starting.Texts().LanguageLoaded());
        EXPECT_TRUE(starting.CurrentTask().currentPath.empty());
        EXPECT_FALSE(starting.CurrentTask().modified);
    }

    // The same files named on the command line, or dropped on the window: each
    // is refused with a message and the task open stays as it was.
    const std::string kept = SavedTask("kept.UZX", 'K');
    ASSERT_TRUE(session.OpenFile(kept));
    const task::TaskModel before = session.CurrentTask().model;
    for (const std::string& named : {folder.File("folder.UZX"), folder.File("missing.UZX"), folder.File("empty.UZX"),
                                     folder.File("b.lng"), std::string("/dev/zero"), folder.File("odd\nname \xFF*.UZX"),
                                     folder.File(std::string(300, 'n') + ".UZX")}) {
        SCOPED_TRACE(named);
        ui.events.clear();
        EXPECT_FALSE(session.OpenFile(named));
        EXPECT_FALSE(ui.MessageTexts().empty());
        EXPECT_EQ(session.CurrentTask().model, before);
        EXPECT_EQ(session.CurrentTask().currentPath, kept);
    }

    // A settings file that is a folder reads as the defaults, and cannot be written.
    std::filesystem::remove(folder.File("appdata/Velmora/Mostrel.ini"));
    std::filesystem::create_directories(folder.File("appdata/Velmora/Mostrel.ini"));
    ui.events.clear();
    session.Start();
    EXPECT_EQ(session.CurrentPreferences().lastFile, "Unknow");
    ui.chosenPaths = {folder.File("saved.UZX")};
    EXPECT_TRUE(session.SaveAs());
    EXPECT_EQ(ui.MessageTexts(),
              std::vector<std::string>{"Cannot save the settings file. The preferences hold until the program ends."});
}

TEST_F(SessionTest, SavePromptAndCancelKeepTheTask) {
    session.Start();
    task::Task& t = session.CurrentTask();
    t.modified = true;
    t.model.forms[2][task::form::kLineText] = 'X';
    const task::TaskModel edited = t.model;

    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(session.New());
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].kind, ShownEvent::Kind::Question);
    EXPECT_EQ(ui.events[0].caption, "CipherLab's 8300 Quarrow");
    EXPECT_EQ(ui.events[0].text, "Save current program ?");
    EXPECT_EQ(ui.events[0].icon, common::MessageIcon::Question);
    EXPECT_TRUE(t.modified);
    EXPECT_EQ(t.model, edited);
    EXPECT_EQ(host.sheets, 0);

    // Yes, but the Save As that follows is cancelled: the changes stay too.
    ui.answers = {Answer::Yes};
    ui.chosenPaths = {""};
    EXPECT_FALSE(session.New());
    EXPECT_EQ(t.model, edited);
    EXPECT_TRUE(t.modified);
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(session.MayClose());

    // No discards them.
    ui.answers = {Answer::No};
    EXPECT_TRUE(session.New());
    EXPECT_EQ(t.model, task::testing::FreshTask());
    EXPECT_FALSE(t.modified);
    EXPECT_EQ(host.sheets, 1);
    EXPECT_EQ(host.restarts, 1);
    EXPECT_TRUE(session.MayClose());  // nothing to ask about now
}

TEST_F(SessionTest, SaveAsNamesTheFileAndRemembersIt) {
    session.Start();
    session.CurrentTask().modified = true;
    ui.answers = {Answer::Yes};
    ui.chosenPaths = {folder.File("stock")};
    EXPECT_TRUE(session.MayClose());  // Yes saves an unnamed task through Save As

    const std::string path = folder.File("stock.UZX");
    EXPECT_EQ(session.CurrentTask().currentPath, path);
    EXPECT_FALSE(session.CurrentTask().modified);
    EXPECT_EQ(std::filesystem::file_size(path), task::kTaskFileSize);
    EXPECT_EQ(SettingsText(), path + "\r1\r1\r1\r0\r0\r0\r0\r1\r" + path + "\r");
    EXPECT_EQ(host.recentChanges, 1);
    // The menu text shortens a long path; the temporary folder's length differs between systems.
    EXPECT_EQ(session.RecentMenuTexts(), std::vector<std::string>{RecentMenuText(1, path)});

    // A name that already has the extension in another case keeps it.
    ui.chosenPaths = {folder.File("other.uzx")};
    EXPECT_TRUE(session.SaveAs());
    EXPECT_EQ(session.CurrentTask().currentPath, folder.File("other.uzx"));
    EXPECT_EQ(session.CurrentPreferences().recentFiles.size(), 2u);
}

TEST_F(SessionTest, FailedSaveAsKeepsTheOldNameAndTheChanges) {
    session.Start();
    ui.chosenPaths = {folder.File("first.UZX")};
    ASSERT_TRUE(session.SaveAs());
    session.CurrentTask().modified = true;

    ui.chosenPaths = {folder.File("no/such/folder/t.UZX")};
    EXPECT_FALSE(session.SaveAs());
    EXPECT_EQ(session.CurrentTask().currentPath, folder.File("first.UZX"));
    EXPECT_TRUE(session.CurrentTask().modified);
    EXPECT_EQ(ui.events.back().kind, ShownEvent::Kind::Message);

    ui.chosenPaths = {"/" + std::string(260, 'n')};
    EXPECT_FALSE(session.SaveAs());
    EXPECT_EQ(ui.MessageTexts().back(), "The path is too long: a task file path holds at most 255 characters.");
    EXPECT_EQ(session.CurrentTask().currentPath, folder.File("first.UZX"));
}

TEST_F(SessionTest, OpenResetsThenReadsTheChosenFile) {
    const std::string path = SavedTask("shop.UZX", 'S');
    Preferences p;
    p.autoPreload = true;
    p.lastFile = path;
    WriteSettings(p);
    session.Start();
    session.CurrentTask().recordCounter = 7;

    ui.chosenPaths = {path};
    EXPECT_TRUE(session.Open());
    const auto chooser = std::find_if(ui.events.begin(), ui.events.end(),
                                      [](const ShownEvent& e) { return e.kind == ShownEvent::Kind::OpenChooser; });
    ASSERT_NE(chooser, ui.events.end());
    EXPECT_EQ(chooser->text, path);  // starts at the last file when auto-preload is on
    EXPECT_EQ(session.CurrentTask().model.forms[0][task::form::kLineText], 'S');
    EXPECT_EQ(session.CurrentTask().recordCounter, 0);
    EXPECT_EQ(host.placements, 1);
    EXPECT_EQ(host.sheets, 1);

    // A file that cannot be read leaves the empty new task, unnamed.
    ui.chosenPaths = {folder.File("missing.UZX")};
    EXPECT_FALSE(session.Open());
    EXPECT_TRUE(session.CurrentTask().currentPath.empty());
    EXPECT_EQ(session.CurrentTask().model, task::testing::FreshTask());
    EXPECT_EQ(host.sheets, 1);
}

TEST_F(SessionTest, RecentFileAsksBeforeReplacingUnsavedChanges) {
    const std::string a = SavedTask("a.UZX", 'A');
    const std::string b = SavedTask("b.UZX", 'B');
    Preferences p;
    p.recentFiles = {a, b};
    WriteSettings(p);
    session.Start();
    task::Task& t = session.CurrentTask();
    t.model.forms[5][task::form::kLineText] = 'E';
    t.modified = true;
    const task::TaskModel edited = t.model;

    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(session.OpenRecent(1));
    EXPECT_EQ(t.model, edited);
    EXPECT_TRUE(t.modified);

    ui.answers = {Answer::No};
    EXPECT_TRUE(session.OpenRecent(1));
    EXPECT_EQ(t.currentPath, b);
    EXPECT_EQ(t.model.forms[0][task::form::kLineText], 'B');
    EXPECT_FALSE(t.modified);
    EXPECT_EQ(session.CurrentPreferences().recentFiles, (std::vector<std::string>{b, a}));
    EXPECT_EQ(host.restarts, 1);

    // A recent file that became unreadable leaves the task as it was.
    t.modified = true;
    const task::TaskModel before = t.model;
    std::filesystem::resize_file(a, 100);
    ui.answers = {Answer::No};
    EXPECT_FALSE(session.OpenRecent(1));
    EXPECT_EQ(t.model, before);
    EXPECT_EQ(t.currentPath, b);
    EXPECT_TRUE(t.modified);
    EXPECT_FALSE(session.OpenRecent(4));
}

TEST_F(SessionTest, AMovedRecentFileIsOfferedForRemoval) {
    const std::string gone = SavedTask("gone.UZX", 'G');
    const std::string kept = SavedTask("kept.UZX", 'K');
    Preferences p;
    p.recentFiles = {gone, kept};
    WriteSettings(p);
    session.Start();
    std::filesystem::remove(gone);
    task::Task& t = session.CurrentTask();
    t.modified = true;  // nothing is asked about it: nothing would replace the task
    const task::TaskModel before = t.model;

    ui.answers = {Answer::No};
    EXPECT_FALSE(session.OpenRecent(0));
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].kind, ShownEvent::Kind::Question);
    EXPECT_EQ(ui.events[0].caption, "CipherLab's 8300 Quarrow");
    EXPECT_EQ(ui.events[0].text,
              "This task file was moved or deleted:\r\n" + gone + "\r\nRemove it from the list of recent files?");
    EXPECT_EQ(session.CurrentPreferences().recentFiles, (std::vector<std::string>{gone, kept}));
    EXPECT_EQ(t.model, before);
    EXPECT_TRUE(t.modified);

    ui.answers = {Answer::Yes};
    const int changesBefore = host.recentChanges;
    EXPECT_FALSE(session.OpenRecent(0));
    EXPECT_EQ(session.CurrentPreferences().recentFiles, std::vector<std::string>{kept});
    EXPECT_EQ(host.recentChanges, changesBefore + 1) << "the menu follows the list";
    EXPECT_EQ(SettingsText().find(gone), std::string::npos);
    EXPECT_NE(SettingsText().find(kept + "\r"), std::string::npos);
    EXPECT_EQ(host.restarts, 0);
}

TEST_F(SessionTest, AFileNamedOutsideTheDialogsSaysWhyItCannotBeOpened) {
    session.Start();
    task::Task& t = session.CurrentTask();
    t.modified = true;

    EXPECT_FALSE(session.OpenFile(folder.File("nowhere.UZX")));
    ASSERT_EQ(ui.events.size(), 1u) << "no save prompt for a file that cannot be read";
    EXPECT_EQ(ui.events[0].text, "There is no such task file:\r\n" + folder.File("nowhere.UZX"));
    EXPECT_EQ(ui.events[0].icon, common::MessageIcon::Warning);

    std::filesystem::create_directory(folder.File("folder.UZX"));
    EXPECT_FALSE(session.OpenFile(folder.File("folder.UZX")));
    EXPECT_EQ(ui.MessageTexts().back(), "Cannot open the file!\r\n" + folder.File("folder.UZX"));
    EXPECT_TRUE(t.modified);

    const std::string named = SavedTask("named.UZX", 'N');
    ui.answers = {Answer::No};
    EXPECT_TRUE(session.OpenFile(named));
    EXPECT_EQ(ui.events.back().text, "Save current program ?");
    EXPECT_EQ(t.currentPath, named);
    EXPECT_EQ(t.model.forms[0][task::form::kLineText], 'N');
    EXPECT_EQ(session.CurrentPreferences().recentFiles, std::vector<std::string>{named});
    EXPECT_EQ(host.restarts, 1);
}

TEST_F(SessionTest, ATaskNamedOnTheCommandLineTakesThePlaceOfThePreload) {
    Preferences p;
    p.autoPreload = true;
    p.lastFile = SavedTask("last.UZX", 'L');
    WriteSettings(p);
    session.Start(false);
    EXPECT_TRUE(session.CurrentTask().currentPath.empty());
    EXPECT_EQ(session.CurrentTask().model, task::testing::FreshTask());
}

TEST_F(SessionTest, PreferencesLoadTheChosenLanguage) {
    std::ofstream(folder.File("ru.lng"), std::ios::binary)
        << common::Utf8ToCp1251("Русский\r\n1=Квэрроу\r\n1131=Сохранить программу ?\r\n");
    session.Start();
    EXPECT_FALSE(session.Texts().LanguageLoaded());

    Preferences chosen = session.CurrentPreferences();
    chosen.language = common::Utf8ToCp1251("Русский");
    chosen.alwaysOnTop = true;
    session.ApplyPreferences(chosen);
    EXPECT_TRUE(session.Texts().LanguageLoaded());
    EXPECT_EQ(common::Cp1251ToUtf8(session.ProgramCaption()), "Квэрроу");
    EXPECT_NE(SettingsText().find("\r0\r1\r"), std::string::npos);  // auto-preload 0, always on top 1

    session.CurrentTask().modified = true;
    ui.answers = {Answer::Cancel};
    session.New();
    EXPECT_EQ(common::Cp1251ToUtf8(ui.events.back().text), "Сохранить программу ?");

    chosen.language = "0";
    session.ApplyPreferences(chosen);
    EXPECT_FALSE(session.Texts().LanguageLoaded());
    EXPECT_EQ(session.ProgramCaption(), "CipherLab's 8300 Quarrow");
}

TEST_F(SessionTest, SavesThatFailAnywhereKeepTheFilesAndSaySo) {
    session.Start();
    const std::string path = folder.File("first.UZX");
    ui.chosenPaths = {path};
    ASSERT_TRUE(session.SaveAs());
    const std::string oldTask = ReadText(path);
    const std::string oldSettings = "Unknow\r1\r1\r1\r0\r0\r0\r0\r1\r";
    const auto restore = [&] {
        std::ofstream(path, std::ios::binary) << oldTask;
        std::ofstream(folder.File("appdata/Velmora/Mostrel.ini"), std::ios::binary) << oldSettings;
        ui.events.clear();
    };
    const auto save = [&] {
        session.CurrentTask().model.forms[0][task::form::kLineText] = 'X';
        session.CurrentTask().modified = true;
        return session.Save();
    };
    const std::string taskNotSaved = "Cannot save the task file. The file on disk was left as it was.";
    const std::string settingsNotSaved = "Cannot save the settings file. The preferences hold until the program ends.";

    // The task file, then the settings file: a write, the flush and the rename each.
    const int points = test_support::CountFailurePoints(save);
    ASSERT_EQ(points, 6);
    for (int point = 1; point <= points; ++point) {
        SCOPED_TRACE(point);
        restore();
        test_support::FailingFileCalls failing(point);
        common::FileCallsOverride active(failing);
        const bool saved = save();
        ASSERT_EQ(ui.MessageTexts().size(), 1u);
        EXPECT_EQ(SettingsText(), oldSettings);
        if (point <= 3) {
            EXPECT_FALSE(saved);
            EXPECT_TRUE(session.CurrentTask().modified);
            EXPECT_EQ(ReadText(path), oldTask);
            EXPECT_EQ(ui.MessageTexts()[0].substr(0, taskNotSaved.size()), taskNotSaved);
        } else {
            EXPECT_TRUE(saved);  // the task is safe; only the recent files are not
            EXPECT_EQ(ui.MessageTexts()[0], settingsNotSaved);
        }
    }
    restore();
    EXPECT_TRUE(save());
    EXPECT_TRUE(ui.events.empty());
    EXPECT_NE(ReadText(path), oldTask);

    // The preferences dialog's OK.
    Preferences chosen = session.CurrentPreferences();
    chosen.alwaysOnTop = true;
    for (int point = 1; point <= 3; ++point) {
        SCOPED_TRACE(point);
        restore();
        test_support::FailingFileCalls failing(point);
        common::FileCallsOverride active(failing);
        session.ApplyPreferences(chosen);
        EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{settingsNotSaved});
        EXPECT_EQ(SettingsText(), oldSettings);
        EXPECT_TRUE(session.CurrentPreferences().alwaysOnTop);  // kept until the program ends
    }
    restore();
    session.ApplyPreferences(chosen);
    EXPECT_TRUE(ui.events.empty());
    EXPECT_NE(SettingsText().find("\r0\r1\r"), std::string::npos);  // auto-preload 0, always on top 1
}

}  // namespace
}  // namespace shell
