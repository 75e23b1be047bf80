#pragma once
// The designer's document commands as rules, without widgets: the one task,
// the preferences and recent files, the language, and what New, Open, Save,
// Save As, the recent-file entries and Close do with them. The main window
// forwards its commands here; everything the user sees goes through the UI port.
#include <string>
#include <vector>

#include "common/text/string_table.h"
#include "common/ui_port.h"
#include "designer/shell/session_host.h"
#include "designer/shell/settings_file.h"
#include "designer/task/defaults.h"
#include "designer/task/task_model.h"

namespace shell {

// The longest task path the designer keeps.
constexpr std::size_t kMaxTaskPath = 255;

class DesignerSession {
public:
    // `programFolder` holds the language files.
    DesignerSession(common::UiPort& ui, std::string programFolder);

    // Tells the session about its window; until then nothing is asked of one.
    void SetHost(SessionHost* host) { host_ = host; }

    // The start of the program: settings, the chosen language, the default
    // texts, a new task, and the last task when auto-preload is on and
    // `mayPreload` (false when the command line names a task of its own).
    void Start(bool mayPreload = true);

    // The commands. Each returns whether it did what it set out to do.
    bool New();
    bool Open();
    bool Save();
    bool SaveAs();
    void Edit();
    // A recent file that was moved or deleted is offered for removal from the list.
    bool OpenRecent(int index);
    // Opens a task file named outside the dialogs: on the command line or
    // dropped on the window. Like a recent file, the task is not reset first.
    bool OpenFile(const std::string& path);

    // Whether the program may close now: asks about unsaved changes.
    bool MayClose();

    // "Save current program ?" with Yes, No and Cancel; Yes saves. Returns
    // false when the command that asked must stop: Cancel, or a save that
    // did not happen (so a Yes never loses the changes it meant to keep).
    bool SettleUnsavedChanges();

    // The preferences dialog's OK: keep and write the new preferences, load
    // the chosen language and the default texts in it.
    void ApplyPreferences(const Preferences& preferences);

    // Reads the settings file again (the preferences dialog works on a fresh copy).
    void ReloadPreferences();

    // The port a transfer found for the stored choice (which may have moved
    // in the system's list): its position and number, kept in memory and
    // written with the next settings.
    void SetChosenPort(int position, int number) {
        preferences_.portPosition = position;
        preferences_.comPort = number;
    }

    // The caption of the designer's message boxes.
    std::string ProgramCaption() const;

    // The pop-up menu's recent-file entry texts, in menu order.
    std::vector<std::string> RecentMenuTexts() const;

    task::Task& CurrentTask() { return task_; }
    const Preferences& CurrentPreferences() const { return preferences_; }
    text::StringTable& Texts() { return strings_; }
    const task::DefaultTexts& DefaultTexts() const { return defaultTexts_; }
    common::UiPort& Ui() { return ui_; }

private:
    void ResetToNewTask();
    bool ReadTask(const std::string& path);
    // Whether `path` can be read; when not, the user is told why.
    bool CanRead(const std::string& path);
    bool ReadChosenTask(const std::string& path);
    void OfferToForgetRecentFile(const std::string& path);
    bool WriteTask();
    void RememberFile(const std::string& path);
    // Writes the settings file; the user is told when it cannot be written.
    void SavePreferences();
    void OpenPropertySheet();
    void RestartSimulator();

    common::UiPort& ui_;
    std::string programFolder_;
    SessionHost* host_ = nullptr;
    text::StringTable strings_;
    Preferences preferences_;
    task::DefaultTexts defaultTexts_;
    task::Task task_;
};

}  // namespace shell
