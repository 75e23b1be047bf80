#pragma once
// Tarvel's main form without its widgets: the two tabs and their pages, made
// when first shown, the load page's state that outlives the pages (the task
// file and the settings), the start with a command line and the Close
// routine.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "loader/link/loader_transfer.h"
#include "loader/link/unattended_load.h"
#include "loader/loader_settings.h"
#include "loader/pages/page.h"

namespace loader::pages {

class LoadPage;
class ConvertPageModel;

constexpr int kTabControlId = 1023;
constexpr int kLoadTab = 0;
constexpr int kConvertTab = 1;

// What the form works with, made by the program (or a test).
struct FormParts {
    LoaderSession& session;            // the user, the clock and the port
    std::string programFolder;         // where the choosers open
    std::string settingsPath;          // TARVEL.ini
    std::vector<std::string> portNames;  // "COM1", "COM3", ... in the system's order
};

enum class CloseKind { Ordinary, CommandLine };

class TarvelForm {
public:
    explicit TarvelForm(FormParts parts);
    ~TarvelForm();
    TarvelForm(const TarvelForm&) = delete;
    TarvelForm& operator=(const TarvelForm&) = delete;

    // The form's start: the load page is made and shown, runs the command
    // line (the program's arguments as one text) and fills itself from the
    // settings file when the program goes on in the window. Returns how the
    // command line ended; the window opens for Interactive and
    // ContinueInteractively, every other end has already closed the form.
    UnattendedEnd Start(std::string_view commandLine);

    static std::string Title();                     // "Tarvel ver 1.0.0.15"
    static std::array<std::string, 2> TabTitles();  // Windows-1251

    int CurrentTab() const { return currentTab_; }
    // Shows the page of `tab`, making it on first use.
    void SelectTab(int tab);
    // The page of `tab`; null until it was first shown.
    Page* PageOf(int tab) const;

    // The Close routine: saves the load page's choices when that page was
    // shown last and the program does not end a command line, then asks the
    // window to close. It runs once, whatever asks for it again (the window
    // closing, a page going).
    void Close(CloseKind kind);
    bool Closed() const { return closed_; }
    // Asks the program's own window to close; set by the window.
    std::function<void()> closeWindow;

    // Shared with the pages.
    LoaderSession& Session() { return parts_.session; }
    const FormParts& Parts() const { return parts_; }
    LoaderSettings& Settings() { return settings_; }
    // Writes the settings to TARVEL.ini; a file that cannot be written is
    // told, and the settings hold until the program ends.
    bool SaveSettings();
    std::string& CurrentTaskFile() { return currentTaskFile_; }

private:
    FormParts parts_;
    LoaderSettings settings_;
    std::string currentTaskFile_;
    std::unique_ptr<LoadPage> loadPage_;
    std::unique_ptr<ConvertPageModel> convertPage_;
    int currentTab_ = kLoadTab;
    bool closed_ = false;
};

}  // namespace loader::pages
