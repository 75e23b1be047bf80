// The settings folder follows the environment: APPDATA first (so a Windows
// setup and Wine agree), then the XDG configuration folder, then the home.
#include "common/environment.h"

#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace common {
namespace {

// Sets or clears one variable for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedVariable() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(SettingsFolder, AppDataThenXdgConfigThenHome) {
    ScopedVariable home("HOME", "/home/someone");
    {
        ScopedVariable appData("APPDATA", "/wine/AppData/Roaming");
        ScopedVariable config("XDG_CONFIG_HOME", "/cfg");
        EXPECT_EQ(SettingsFolder(), "/wine/AppData/Roaming/Velmora");
    }
    {
        ScopedVariable appData("APPDATA", nullptr);
        ScopedVariable config("XDG_CONFIG_HOME", "/cfg");
        EXPECT_EQ(SettingsFolder(), "/cfg/Velmora");
    }
    ScopedVariable appData("APPDATA", "");
    ScopedVariable config("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(SettingsFolder(), "/home/someone/.config/Velmora") << "an empty variable counts as unset";
}

}  // namespace
}  // namespace common
