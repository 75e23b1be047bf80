#pragma once
// The designer's command line: `Mostrel [FILE]` opens FILE, `--help` and
// `--version` print and end the program.
#include <string>
#include <vector>

#include "common/text/string_table.h"

namespace shell {

struct CommandLine {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    std::string file;      // Run: the task file named (native bytes), empty for none
    std::string refused;   // Refuse: the first argument not understood
    int refusalTextId = 0;  // Refuse: why, as a string id
};

// `arguments` without the program's name. "--help" (also "-h", "-?") and
// "--version" win wherever they stand; "--" ends the options.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The help in the language of `strings`, Windows-1251, lines ended by "\n".
std::string HelpText(const text::StringTable& strings);

// Why the command line was refused, then the help.
std::string RefusalText(const CommandLine& line, const text::StringTable& strings);

}  // namespace shell
