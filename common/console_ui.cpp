#include "common/console_ui.h"

#include <iostream>

#include "common/cp1251.h"

namespace common {
namespace {

class SilentProgress final : public ProgressWindow {
public:
    void SetRange(int, int) override {}
    void SetPosition(int) override {}
};

class SilentCounter final : public UploadCounter {
public:
    void Show(const std::string&) override {}
};

// One write a line, so lines of loads that run at once never interleave.
void Print(const std::string& prefix, const std::string& caption, const std::string& text) {
    std::cerr << prefix + Cp1251ToUtf8(caption) + ": " + Cp1251ToUtf8(text) + '\n' << std::flush;
}

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

std::unique_ptr<ProgressWindow> ConsoleUi::OpenProgress(const ProgressLook&) {
    return std::make_unique<SilentProgress>();
}

std::unique_ptr<UploadCounter> ConsoleUi::OpenUploadCounter() { return std::make_unique<SilentCounter>(); }

void ConsoleUi::SetBusy(bool) {}

// A console has nothing to show a file with; the caller names the file instead.
bool ConsoleUi::OpenInTextEditor(const std::string&) { return false; }

}  // namespace common
