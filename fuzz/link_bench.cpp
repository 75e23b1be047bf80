#include "fuzz/link_bench.h"

#include <algorithm>

namespace fuzz {

namespace {

// Made once: every run starts from the same table and the same new task.
const text::StringTable& English() {
    static const text::StringTable english = strings::MakeStringTable();
    return english;
}

const task::TaskModel& NewTask() {
    static const task::TaskModel fresh = [] {
        text::StringTable strings = English();
        task::TaskModel model;
        task::MakeNewTask(model, task::LoadDefaultTexts(strings));
        return model;
    }();
    return fresh;
}

}  // namespace

LinkBench::LinkBench(std::function<std::string(const std::string& written)> answerWith) : strings(English()) {
    terminal.answer = [this, answerWith = std::move(answerWith)](const std::string& written) {
        const std::string answer = answerWith(written);
        answered += answer;
        return answer;
    };
    task.model = NewTask();
}

bool LinkBench::Shown(int textId) {
    const std::string text = strings.Lookup(textId);
    const auto& events = ui.events;
    return std::any_of(events.begin(), events.end(), [&](const test_support::ShownEvent& e) {
        return e.kind == test_support::ShownEvent::Kind::Message && e.text == text;
    });
}

}  // namespace fuzz
