#include "testing/scripted_ui.h"

namespace test_support {
namespace {

class ScriptedProgress final : public common::ProgressWindow {
public:
    explicit ScriptedProgress(ScriptedUi& ui) : ui_(ui) { ++ui_.openProgressWindows; }
    ~ScriptedProgress() override { --ui_.openProgressWindows; }
    void SetRange(int minimum, int maximum) override { ui_.progressRanges.emplace_back(minimum, maximum); }
    void SetPosition(int position) override { ui_.progressPositions.push_back(position); }
    void SetText(const std::string& text) override { ui_.progressTexts.push_back(text); }
    bool CancelRequested() override {
        ++ui_.cancelPolls;
        return ui_.cancelWhen && ui_.cancelWhen();
    }

private:
    ScriptedUi& ui_;
};

class ScriptedCounter final : public common::UploadCounter {
public:
    explicit ScriptedCounter(ScriptedUi& ui) : ui_(ui) { ++ui_.openCounters; }
    ~ScriptedCounter() override { --ui_.openCounters; }
    void Show(const std::string& text) override { ui_.counterTexts.push_back(text); }

private:
    ScriptedUi& ui_;
};

}  // namespace

void ScriptedUi::ShowMessage(const std::string& caption, const std::string& text, common::MessageIcon icon) {
    events.push_back({ShownEvent::Kind::Message, caption, text, icon});
}

common::Answer ScriptedUi::AskYesNo(const std::string& caption, const std::string& text, common::MessageIcon icon) {
    events.push_back({ShownEvent::Kind::Question, caption, text, icon});
    return NextAnswer();
}

common::Answer ScriptedUi::AskYesNoCancel(const std::string& caption, const std::string& text, common::MessageIcon icon) {
    events.push_back({ShownEvent::Kind::Question, caption, text, icon});
    return NextAnswer();
}

bool ScriptedUi::AskOkCancel(const std::string& caption, const std::string& text, common::MessageIcon icon) {
    events.push_back({ShownEvent::Kind::OkCancelQuestion, caption, text, icon});
    return NextAnswer() == common::Answer::Yes;
}

std::optional<std::string> ScriptedUi::ChooseOpenFile(const common::FileChooser& chooser) {
    events.push_back({ShownEvent::Kind::OpenChooser, chooser.title, chooser.initialPath});
    choosers.push_back(chooser);
    return NextPath();
}

std::optional<std::string> ScriptedUi::ChooseSaveFile(const common::FileChooser& chooser) {
    events.push_back({ShownEvent::Kind::SaveChooser, chooser.title, chooser.initialPath});
    choosers.push_back(chooser);
    return NextPath();
}

std::unique_ptr<common::ProgressWindow> ScriptedUi::OpenProgress(const common::ProgressLook& look) {
    events.push_back({ShownEvent::Kind::Progress, look.caption, look.label});
    progressLooks.push_back(look);
    return std::make_unique<ScriptedProgress>(*this);
}

std::unique_ptr<common::UploadCounter> ScriptedUi::OpenUploadCounter() {
    events.push_back({ShownEvent::Kind::Counter, {}, {}});
    return std::make_unique<ScriptedCounter>(*this);
}

void ScriptedUi::SetBusy(bool busy) {
    events.push_back({ShownEvent::Kind::Busy, {}, busy ? "on" : "off"});
}

bool ScriptedUi::OpenInTextEditor(const std::string& path) {
    events.push_back({ShownEvent::Kind::Editor, {}, path});
    return editorOpens;
}

std::vector<std::string> ScriptedUi::MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& e : events) {
        if (e.kind == ShownEvent::Kind::Message) texts.push_back(e.text);
    }
    return texts;
}

common::Answer ScriptedUi::NextAnswer() {
    if (answers.empty()) return common::Answer::No;
    const common::Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<std::string> ScriptedUi::NextPath() {
    if (chosenPaths.empty()) return std::nullopt;
    std::string p = chosenPaths.front();
    chosenPaths.pop_front();
    if (p.empty()) return std::nullopt;
    return p;
}

}  // namespace test_support
