#include "common/environment.h"

#include <cstdlib>

namespace common {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string SettingsFolder() {
    if (const std::string appData = Environment("APPDATA"); !appData.empty()) return appData + "/Velmora";
    if (const std::string config = Environment("XDG_CONFIG_HOME"); !config.empty()) return config + "/Velmora";
    return Environment("HOME") + "/.config/Velmora";
}

}  // namespace common
