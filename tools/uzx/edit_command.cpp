// uzx edit: opens a task as the designer would, works its property sheet
// from a script, and writes the task when the sheet has closed.
#include <iostream>
#include <optional>

#include "common/whole_file.h"
#include "designer/editors/property_sheet.h"
#include "designer/editors/script_runner.h"
#include "designer/strings/english_table.h"
#include "designer/task/defaults.h"
#include "designer/task/open_save.h"
#include "designer/task/task_file.h"
#include "tools/uzx/commands.h"

namespace uzx {
namespace {

constexpr char kUsage[] = "usage: uzx edit IN OUT --script FILE   (FILE - reads standard input)\n";

struct EditArgs {
    std::string in, out, script;
};

bool ParseArgs(const Args& args, EditArgs& parsed) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--script" && i + 1 < args.size()) {
            parsed.script = args[++i];
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2 || parsed.script.empty()) return false;
    parsed.in = positional[0];
    parsed.out = positional[1];
    return true;
}

// Far more than anyone writes by hand; a larger "script" is some other file.
constexpr std::size_t kMaxScriptSize = 4 << 20;

// The script's text, from the file or from standard input ("-"); nothing,
// after a message, when it cannot be read or is too large to be a script.
std::optional<std::string> ReadScript(const std::string& path) {
    common::WholeFile script;
    if (path == "-") {
        script.bytes.resize(kMaxScriptSize + 1);
        std::cin.read(script.bytes.data(), static_cast<std::streamsize>(script.bytes.size()));
        script.bytes.resize(static_cast<std::size_t>(std::cin.gcount()));
        script.status = script.bytes.size() > kMaxScriptSize ? common::WholeFileStatus::TooLarge
                        : std::cin.bad()                     ? common::WholeFileStatus::CannotRead
                                                             : common::WholeFileStatus::Ok;
    } else {
        script = common::ReadWholeFile(path, kMaxScriptSize);
    }
    switch (script.status) {
        case common::WholeFileStatus::Ok: return std::move(script.bytes);
        case common::WholeFileStatus::CannotRead: std::cerr << "uzx edit: cannot read the script " << path << '\n'; break;
        case common::WholeFileStatus::TooLarge:
            std::cerr << "uzx edit: " << path << " is too large to be a script (at most 4 MiB)\n";
            break;
    }
    return std::nullopt;
}

int ScriptFailure(const editors::ScriptError& error) {
    std::cerr << "uzx edit: script line " << error.line << ": " << error.message << '\n';
    return 2;
}

}  // namespace

int RunEdit(const Args& args) {
    EditArgs parsed;
    if (!ParseArgs(args, parsed)) {
        std::cerr << kUsage;
        return 2;
    }
    const std::optional<std::string> text = ReadScript(parsed.script);
    if (!text) return 2;
    const editors::ParsedScript script = editors::ParseScript(*text);
    if (script.error) return ScriptFailure(*script.error);

    text::StringTable strings = strings::MakeStringTable();
    const task::DefaultTexts defaults = task::LoadDefaultTexts(strings);
    editors::ScriptUi ui([](const std::string& line) { std::cout << line << '\n' << std::flush; });

    // As the designer's Open: a new task first, then the file over it.
    task::Task edited;
    task::MakeNewTask(edited.model, defaults);
    if (!task::OpenTaskFile(edited, parsed.in, defaults, strings, ui)) {
        std::cerr << "uzx edit: cannot open " << parsed.in << '\n';
        return 1;
    }

    editors::PropertySheet sheet(edited, strings, ui, defaults);
    if (const auto failure = editors::RunScript(sheet, script.actions, ui)) return ScriptFailure(*failure);
    // A script that leaves the sheet open ends as closing its window does.
    editors::CloseSheet(sheet);

    const task::WriteResult written = task::WriteTaskFile(parsed.out, edited.model);
    if (!written.ok) {
        std::cerr << "uzx edit: cannot write " << parsed.out << ": " << written.error << '\n';
        return 1;
    }
    std::cout << "modified=" << (edited.modified ? 1 : 0) << '\n';
    return 0;
}

}  // namespace uzx
