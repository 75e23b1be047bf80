#pragma once
// The help F1 opens: the compiled help when one lies beside the program,
// else the help page delivered with it. Never a file of the current folder,
// which may be anyone's.
#include <string>

namespace loader::pages {

std::string HelpFileOf(const std::string& programFolder);

}  // namespace loader::pages
