#pragma once
// Everything the core says to the user goes through this port: the Qt layer
// answers with real dialogs, the command-line tool with stderr, tests with a
// script and a record of what was shown. All texts are Windows-1251 bytes,
// exactly as the string lookup returns them; file paths are native paths.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace common {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class Answer { Yes, No, Cancel };

struct FileFilter {
    std::string description;  // "Quarrow Files (*.UZX)"
    std::string pattern;      // "*.UZX"
};

struct FileChooser {
    std::string title;
    std::vector<FileFilter> filters;
    std::size_t selectedFilter = 0;  // the filter shown first, an index into `filters`
    std::string initialPath;
    std::string defaultExtension;  // without the dot; empty for none
};

// What a progress window shows and the names it goes by: each program's
// window keeps the dialog template name and control numbers it always had
// (the designer's "ProgressDlg" with label 901 and bar 870, the loader's
// "PROGRESSDLG" with bar 1009). A number of 0 gives the control none.
struct ProgressLook {
    std::string caption;
    std::string label;
    std::string templateName;
    int labelId = 0;
    int barId = 0;
};

// A progress window with one label, a bar (of 0..100 until its
// range is set) and a way for the user to ask the operation to stop. The
// operation asks for that request between its steps; asking also keeps the
// window painted.
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;  // closes the window
    virtual void SetRange(int minimum, int maximum) = 0;
    // A position outside the range shows as the nearer end.
    virtual void SetPosition(int position) = 0;
    // Replaces the label: what the operation is doing or waiting for.
    virtual void SetText(const std::string& text) = 0;
    // Whether the user has asked to stop (Cancel, Escape, closing the window).
    virtual bool CancelRequested() = 0;
};

// The visible count of records received during an upload.
class UploadCounter {
public:
    virtual ~UploadCounter() = default;  // removes the counter
    virtual void Show(const std::string& text) = 0;
};

class UiPort {
public:
    virtual ~UiPort() = default;

    virtual void ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon) = 0;
    virtual Answer AskYesNo(const std::string& caption, const std::string& text, MessageIcon icon) = 0;
    virtual Answer AskYesNoCancel(const std::string& caption, const std::string& text,
                                  MessageIcon icon) = 0;
    // True for OK, false for Cancel.
    virtual bool AskOkCancel(const std::string& caption, const std::string& text, MessageIcon icon) = 0;

    // Empty when the user cancels.
    virtual std::optional<std::string> ChooseOpenFile(const FileChooser& chooser) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const FileChooser& chooser) = 0;

    virtual std::unique_ptr<ProgressWindow> OpenProgress(const ProgressLook& look) = 0;
    virtual std::unique_ptr<UploadCounter> OpenUploadCounter() = 0;

    // Shown while a long blocking operation (cradle detection) runs.
    virtual void SetBusy(bool busy) = 0;

    // Opens a text file for the user to read (Notepad on Windows, the desktop's
    // editor elsewhere). False when nothing could be started to show it.
    virtual bool OpenInTextEditor(const std::string& path) = 0;
};

}  // namespace common
