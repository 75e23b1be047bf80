#pragma once
// The program's environment and the folders that follow from it.
#include <string>

namespace common {

// The value of the environment variable `name`; empty when it is not set.
std::string Environment(const char* name);

// Where the designer keeps its settings (and the loader, when it cannot keep
// them beside itself): $APPDATA/Velmora when APPDATA is set, so
// %APPDATA%\Velmora on Windows; else $XDG_CONFIG_HOME/Velmora; else
// ~/.config/Velmora. The folder need not exist yet.
std::string SettingsFolder();

}  // namespace common
