#include "common/console_ui.h"

#include <iostream>

#include "common/cp1251.h"

namespace common {
namespace {

class ConsoleProgress final : public ProgressWindow {
public:
    explicit ConsoleProgress(const volatile std::sig_atomic_t* stopFlag) : stopFlag_(stopFlag) {}
    void SetPosition(int) override {}
    // A text once: the operation may set the same one at every step.
    void SetText(const std::string& text) override {
        if (text == shown_) return;
        shown_ = text;
        std::cerr << Cp1251ToUtf8(text) << '\n';
    }
    bool CancelRequested() override { return stopFlag_ != nullptr && *stopFlag_ != 0; }

private:
    const volatile std::sig_atomic_t* stopFlag_;
    std::string shown_;
};

class SilentCounter final : public UploadCounter {
public:
    void Show(const std::string&) override {}
};

// A message's own line breaks are Windows ones; a console wants plain ones.
void Print(const std::string& caption, const std::string& text) {
    std::string lines = Cp1251ToUtf8(text);
    for (std::size_t at = lines.find("\r\n"); at != std::string::npos; at = lines.find("\r\n", at)) lines.erase(at, 1);
    std::cerr << Cp1251ToUtf8(caption) << ": " << lines << '\n';
}

}  // namespace

void ConsoleUi::ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon) {
    if (icon == MessageIcon::Warning || icon == MessageIcon::Error) ++warnings;
    Print(caption, text);
}

Answer ConsoleUi::AskYesNo(const std::string& caption, const std::string& text, MessageIcon) {
    Print(caption, text + " -> No");
    return Answer::No;
}

Answer ConsoleUi::AskYesNoCancel(const std::string& caption, const std::string& text, MessageIcon) {
    Print(caption, text + " -> No");
    return Answer::No;
}

std::optional<std::string> ConsoleUi::ChooseOpenFile(const FileChooser&) {
    if (chosenPath.empty()) return std::nullopt;
    return chosenPath;
}

std::optional<std::string> ConsoleUi::ChooseSaveFile(const FileChooser& chooser) { return ChooseOpenFile(chooser); }

std::unique_ptr<ProgressWindow> ConsoleUi::OpenProgress(const std::string&, const std::string& label) {
    auto progress = std::make_unique<ConsoleProgress>(stopFlag);
    progress->SetText(label);
    return progress;
}

std::unique_ptr<UploadCounter> ConsoleUi::OpenUploadCounter() { return std::make_unique<SilentCounter>(); }

void ConsoleUi::SetBusy(bool) {}

void ConsoleUi::OpenInTextEditor(const std::string&) {}

}  // namespace common
