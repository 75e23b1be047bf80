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
int RunEdit(const Args& args);
int RunConvert(const Args& args);

int RunImage(const Args& args);
int RunDownload(const Args& args);
int RunSendLookup(const Args& args);
int RunReceive(const Args& args);

int RunLoaderImage(const Args& args);
int RunLoad(const Args& args);
int RunFindCradle(const Args& args);

}  // namespace uzx
