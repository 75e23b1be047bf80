#pragma once
// The virtual terminal's command line.
#include <string>
#include <vector>

#include "tools/vterm/virtual_terminal.h"

namespace vterm {

struct Options {
    TerminalOptions terminal;
    std::string comName;  // empty: the lowest free COM number
    std::string taskOut;
    std::string imageOut;
    std::string lookupOut;
    std::string recordsFile;
    bool wireSpeed = false;
    bool once = false;
    bool verbose = false;
    bool help = false;
};

// False with `error` set for an unknown flag or a bad value.
bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error);

extern const char kUsage[];

}  // namespace vterm
