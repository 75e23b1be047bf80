#include "common/console_ui.h"

#include <iostream>

#include "common/cp1251.h"

namespace common {
namespace {

// One write a line, so lines of loads that run at once never interleave. A
// message's own line breaks are Windows ones; a console wants plain ones.
void PrintLine(const std::string& prefix, const std::string& cp1251) {
    std::string line = Cp1251ToUtf8(cp1251);
    for (std::size_t at = line.find("\r\n"); at != std::string::npos; at = line.find("\r\n", at)) line.erase(at, 1);
    std::cerr << prefix + line + '\n' << std::flush;
}

void Print(const std::string& prefix, const std::string& caption, const std::string& text) {
    PrintLine(prefix, caption + ": " + text);
}

class ConsoleProgress final : public ProgressWindow {
public:
    ConsoleProgress(std::string prefix, bool tells, const volatile std::sig_atomic_t* stopFlag)
        : prefix_(std::move(prefix)), tells_(tells), stopFlag_(stopFlag) {}
    void SetRange(int, int) override {}
    void SetPosition(int) override {}
    // A text once: the operation may set the same one at every step.
    void SetText(const std::string& text) override {
        if (!tells_ || text.empty() || text == shown_) return;
        shown_ = text;
        PrintLine(prefix_, text);
    }
    bool CancelRequested() override { return stopFlag_ != nullptr && *stopFlag_ != 0; }

private:
    std::string prefix_;
    bool tells_;
    const volatile std::sig_atomic_t* stopFlag_;
    std::string shown_;
};

class SilentCounter final : public UploadCounter {
public:
    void Show(const std::string&) override {}
};

}  // namespace

void ConsoleUi::ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon) {
    if (icon == MessageIcon::Warning || icon == MessageIcon::Error) ++warnings;
    Print(prefix, caption, text);
}

Answer ConsoleUi::AskYesNo(const std::string& caption, const std::string& text, MessageIcon) {
    Print(prefix, caption, text + " -> No");
    return Answer::No;
}

Answer ConsoleUi::AskYesNoCancel(const std::string& caption, const std::string& text, MessageIcon) {
    Print(prefix, caption, text + " -> No");
    return Answer::No;
}

bool ConsoleUi::AskOkCancel(const std::string& caption, const std::string& text, MessageIcon) {
    Print(prefix, caption, text + " -> Cancel");
    return false;
}

std::optional<std::string> ConsoleUi::ChooseOpenFile(const FileChooser&) {
    if (chosenPath.empty()) return std::nullopt;
    return chosenPath;
}

std::optional<std::string> ConsoleUi::ChooseSaveFile(const FileChooser& chooser) { return ChooseOpenFile(chooser); }

std::unique_ptr<ProgressWindow> ConsoleUi::OpenProgress(const ProgressLook& look) {
    auto progress = std::make_unique<ConsoleProgress>(prefix, tellsProgress, stopFlag);
    progress->SetText(look.label);
    return progress;
}

std::unique_ptr<UploadCounter> ConsoleUi::OpenUploadCounter() { return std::make_unique<SilentCounter>(); }

void ConsoleUi::SetBusy(bool) {}

// A console has nothing to show a file with; the caller names the file instead.
bool ConsoleUi::OpenInTextEditor(const std::string&) { return false; }

}  // namespace common
