#include "designer/shell/command_line.h"

#include "common/native_path.h"
#include "designer/strings/string_ids.h"

namespace shell {
namespace {

namespace id = strings::id;

bool IsHelp(const std::string& argument) { return argument == "--help" || argument == "-h" || argument == "-?"; }

CommandLine Just(CommandLine::Action action) {
    CommandLine line;
    line.action = action;
    return line;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool options = true;
    auto refuse = [&line](const std::string& argument, int textId) {
        if (line.refusalTextId != 0) return;
        line.refused = argument;
        line.refusalTextId = textId;
    };
    for (const std::string& argument : arguments) {
        if (options && IsHelp(argument)) return Just(CommandLine::Action::Help);
        if (options && argument == "--version") return Just(CommandLine::Action::Version);
        if (options && argument == "--") {
            options = false;
        } else if (options && argument.size() > 1 && argument[0] == '-') {
            refuse(argument, id::kUnknownOption);
        } else if (line.file.empty()) {
            line.file = argument;
        } else {
            refuse(argument, id::kOneTaskFileOnly);
        }
    }
    if (line.refusalTextId != 0) line.action = CommandLine::Action::Refuse;
    return line;
}

std::string HelpText(const text::StringTable& strings) {
    std::string text;
    for (int textId : {id::kUsageLine, id::kUsageFile, id::kUsageHelp, id::kUsageVersion}) {
        text += strings.Direct(textId) + "\n";
    }
    return text;
}

std::string RefusalText(const CommandLine& line, const text::StringTable& strings) {
    return strings.Direct(line.refusalTextId) + " " + common::NativePathToCp1251(line.refused) + "\n" +
           HelpText(strings);
}

}  // namespace shell
