#include "designer/shell/designer_session.h"

#include <filesystem>
#include <fstream>
#include <utility>

#include "common/native_path.h"
#include "designer/shell/recent_files.h"
#include "designer/strings/english_table.h"
#include "designer/strings/string_ids.h"
#include "designer/task/open_save.h"
#include "designer/task/task_file.h"

namespace shell {
namespace {

constexpr char kNoLastFile[] = "Unknow";

}  // namespace

DesignerSession::DesignerSession(common::UiPort& ui, std::string programFolder)
    : ui_(ui), programFolder_(std::move(programFolder)), strings_(strings::MakeStringTable()) {}

void DesignerSession::Start(bool mayPreload) {
    ReadSettings(preferences_);
    strings_.FindLanguages(programFolder_);
    strings_.LoadLanguage(preferences_.language);
    defaultTexts_ = task::LoadDefaultTexts(strings_);
    task::MakeNewTask(task_.model, defaultTexts_);
    // A remembered file that cannot be read leaves the new task unnamed, so
    // a later Save cannot overwrite that file with an empty task.
    if (mayPreload && preferences_.autoPreload && preferences_.lastFile != kNoLastFile) {
        ReadTask(preferences_.lastFile);
    }
}

std::string DesignerSession::ProgramCaption() const { return strings_.Direct(strings::id::kProgramName); }

bool DesignerSession::SettleUnsavedChanges() {
    if (!task_.modified) return true;
    const common::Answer answer = ui_.AskYesNoCancel(ProgramCaption(), strings_.Lookup(strings::id::kSavePrompt),
                                                     common::MessageIcon::Question);
    switch (answer) {
        case common::Answer::Cancel:
            return false;
        case common::Answer::No:
            return true;
        case common::Answer::Yes:
            return Save();
    }
    return false;
}

bool DesignerSession::MayClose() { return SettleUnsavedChanges(); }

void DesignerSession::ResetToNewTask() {
    task_.recordCounter = 0;
    task_.modified = false;
    task::MakeNewTask(task_.model, defaultTexts_);
}

bool DesignerSession::New() {
    if (!SettleUnsavedChanges()) return false;
    task_.currentPath.clear();
    ResetToNewTask();
    OpenPropertySheet();
    RestartSimulator();
    return true;
}

bool DesignerSession::Open() {
    if (!SettleUnsavedChanges()) return false;
    ResetToNewTask();
    task_.currentPath.clear();
    ReadSettings(preferences_);
    if (host_) {
        host_->PlaceWindow();
        host_->RecentFilesChanged();  // the file read may list other recent files
    }

    common::FileChooser chooser;
    chooser.filters = {{strings_.Lookup(strings::id::kOpenFilterTask), "*.UZX"},
                       {strings_.Lookup(strings::id::kOpenFilterTemplate), "*.ATX"},
                       {strings_.Lookup(strings::id::kOpenFilterAll), "*.*"}};
    if (preferences_.autoPreload && preferences_.lastFile != kNoLastFile) chooser.initialPath = preferences_.lastFile;
    const std::optional<std::string> chosen = ui_.ChooseOpenFile(chooser);
    // The model was reset above: the simulator must not keep showing the old task.
    if (!chosen || !ReadChosenTask(*chosen)) {
        RestartSimulator();
        return false;
    }
    OpenPropertySheet();
    RestartSimulator();
    return true;
}

bool DesignerSession::OpenRecent(int index) {
    if (index < 0 || index >= static_cast<int>(preferences_.recentFiles.size())) return false;
    // The path is copied: a successful read reorders the list it came from.
    const std::string path = preferences_.recentFiles[static_cast<std::size_t>(index)];
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        OfferToForgetRecentFile(path);
        return false;
    }
    return OpenFile(path);
}

bool DesignerSession::OpenFile(const std::string& path) {
    if (!CanRead(path) || !SettleUnsavedChanges()) return false;
    if (!ReadTask(path)) return false;
    RestartSimulator();
    return true;
}

void DesignerSession::OfferToForgetRecentFile(const std::string& path) {
    const std::string question = strings_.Lookup(strings::id::kRecentFileMissing) + "\r\n" +
                                 common::NativePathToCp1251(path) + "\r\n" +
                                 strings_.Lookup(strings::id::kRemoveRecentQuestion);
    if (ui_.AskYesNo(ProgramCaption(), question, common::MessageIcon::Question) != common::Answer::Yes) return;
    std::erase(preferences_.recentFiles, path);
    WriteSettings(preferences_);
    if (host_) host_->RecentFilesChanged();
}

bool DesignerSession::Save() {
    if (task_.currentPath.empty()) return SaveAs();
    return WriteTask();
}

bool DesignerSession::SaveAs() {
    common::FileChooser chooser;
    chooser.filters = {{strings_.Lookup(strings::id::kSaveFilterTask), "*.UZX"}};
    chooser.defaultExtension = "UZX";
    const std::optional<std::string> chosen = ui_.ChooseSaveFile(chooser);
    if (!chosen) return false;
    const std::string path = task::WithTaskExtension(*chosen);
    if (path.size() > kMaxTaskPath) {
        ui_.ShowMessage(strings_.Lookup(strings::id::kErrorCaption, text::LookupKind::Caption),
                        strings_.Lookup(strings::id::kPathTooLong), common::MessageIcon::Warning);
        return false;
    }
    // A failed save keeps the name the task had, which still names its file.
    std::string previous = std::exchange(task_.currentPath, path);
    if (WriteTask()) return true;
    task_.currentPath = std::move(previous);
    return false;
}

void DesignerSession::Edit() {
    OpenPropertySheet();
    RestartSimulator();
}

void DesignerSession::ApplyPreferences(const Preferences& preferences) {
    preferences_ = preferences;
    SavePreferences();
    strings_.LoadLanguage(preferences_.language);
    defaultTexts_ = task::LoadDefaultTexts(strings_);
}

void DesignerSession::ReloadPreferences() { ReadSettings(preferences_); }

std::vector<std::string> DesignerSession::RecentMenuTexts() const {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < preferences_.recentFiles.size(); ++i) {
        texts.push_back(RecentMenuText(static_cast<int>(i) + 1, preferences_.recentFiles[i]));
    }
    return texts;
}

bool DesignerSession::ReadTask(const std::string& path) {
    if (!task::OpenTaskFile(task_, path, defaultTexts_, strings_, ui_)) return false;
    // A converted older file has no name of its own yet and is not remembered.
    if (!task_.currentPath.empty()) RememberFile(task_.currentPath);
    return true;
}

bool DesignerSession::CanRead(const std::string& path) {
    std::error_code error;
    int textId = 0;
    if (!std::filesystem::exists(path, error)) {
        textId = strings::id::kNoSuchTaskFile;
    } else if (std::filesystem::is_directory(path, error) || !std::ifstream(path, std::ios::binary)) {
        textId = strings::id::kCannotOpenFile;
    } else {
        return true;
    }
    ui_.ShowMessage(ProgramCaption(), strings_.Lookup(textId) + "\r\n" + common::NativePathToCp1251(path),
                    common::MessageIcon::Warning);
    return false;
}

// A file the user chose: unlike the silent preload at start, a file that
// cannot be read says so.
bool DesignerSession::ReadChosenTask(const std::string& path) { return CanRead(path) && ReadTask(path); }

bool DesignerSession::WriteTask() {
    if (!task::SaveTaskFile(task_, strings_, ui_)) return false;
    RememberFile(task_.currentPath);
    return true;
}

void DesignerSession::RememberFile(const std::string& path) {
    preferences_.lastFile = path;
    preferences_.recentFiles = WithRecentFile(preferences_.recentFiles, path);
    SavePreferences();
    if (host_) host_->RecentFilesChanged();
}

void DesignerSession::SavePreferences() {
    if (WriteSettings(preferences_)) return;
    ui_.ShowMessage(strings_.Lookup(strings::id::kErrorCaption, text::LookupKind::Caption),
                    strings_.Lookup(strings::id::kSettingsNotSaved), common::MessageIcon::Warning);
}

void DesignerSession::OpenPropertySheet() {
    if (host_) host_->OpenPropertySheet();
}

void DesignerSession::RestartSimulator() {
    if (host_) host_->RestartSimulator();
}

}  // namespace shell
