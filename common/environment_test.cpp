// The settings folder follows the environment: APPDATA first (so a Windows
// setup and Wine agree), then the XDG configuration folder, then the home.
#include "common/environment.h"

#include <gtest/gtest.h>

#include "testing/scoped_variable.h"

namespace common {
namespace {

using test_support::ScopedVariable;

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
