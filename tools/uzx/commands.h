#pragma once
// The subcommands of uzx. Each takes the arguments after its name and returns
// the exit status.
#include <string>
#include <vector>

namespace uzx {

using Args = std::vector<std::string>;

int RunNew(const Args& args);
int RunUpgrade(const Args& args);
int RunShow(const Args& args);
int RunSimulate(const Args& args);

}  // namespace uzx
