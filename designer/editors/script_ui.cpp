#include "designer/editors/script_ui.h"

#include "common/cp1251.h"

namespace editors {
namespace {

std::string OnOneLine(const std::string& cp1251) {
    std::string utf8 = common::Cp1251ToUtf8(cp1251);
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
        out += utf8[i] == '\r' || utf8[i] == '\n' ? ' ' : utf8[i];
    }
    return out;
}

class SilentProgress final : public common::ProgressWindow {
public:
    void SetRange(int, int) override {}
    void SetPosition(int) override {}
    void SetText(const std::string&) override {}
    bool CancelRequested() override { return false; }
};

class SilentCounter final : public common::UploadCounter {
public:
    void Show(const std::string&) override {}
};

}  // namespace

std::string MessageLine(const std::string& caption, const std::string& text) {
    return "message " + OnOneLine(caption) + "|" + OnOneLine(text);
}

void ScriptUi::ShowMessage(const std::string& caption, const std::string& text, common::MessageIcon) {
    print_(MessageLine(caption, text));
}

common::Answer ScriptUi::AskYesNo(const std::string& caption, const std::string& text, common::MessageIcon) {
    print_(MessageLine(caption, text));
    return common::Answer::No;
}

common::Answer ScriptUi::AskYesNoCancel(const std::string& caption, const std::string& text, common::MessageIcon) {
    print_(MessageLine(caption, text));
    return common::Answer::No;
}

bool ScriptUi::AskOkCancel(const std::string& caption, const std::string& text, common::MessageIcon) {
    print_(MessageLine(caption, text));
    return false;
}

std::optional<std::string> ScriptUi::NextPath() {
    if (paths_.empty()) return std::nullopt;
    std::string path = std::move(paths_.front());
    paths_.pop_front();
    return path;
}

std::optional<std::string> ScriptUi::ChooseOpenFile(const common::FileChooser&) { return NextPath(); }

std::optional<std::string> ScriptUi::ChooseSaveFile(const common::FileChooser&) { return NextPath(); }

std::unique_ptr<common::ProgressWindow> ScriptUi::OpenProgress(const common::ProgressLook&) {
    return std::make_unique<SilentProgress>();
}

std::unique_ptr<common::UploadCounter> ScriptUi::OpenUploadCounter() { return std::make_unique<SilentCounter>(); }

}  // namespace editors
