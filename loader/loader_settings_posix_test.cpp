// Where TARVEL.ini lives: the folder the environment names, else beside the
// program when it may be kept there, else the settings folder.
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "loader/loader_settings.h"
#include "testing/temp_folder.h"

namespace loader {
namespace {

using test_support::TempFolder;

class LoaderSettingsPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        unsetenv("TARVEL_SETTINGS_DIR");
        unsetenv("APPDATA");
        setenv("XDG_CONFIG_HOME", folder.File("config").c_str(), 1);
    }
    void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }

    TempFolder folder;
};

TEST_F(LoaderSettingsPathTest, TheEnvironmentNamesAFolderOfItsOwn) {
    setenv("TARVEL_SETTINGS_DIR", folder.File("chosen").c_str(), 1);
    EXPECT_EQ(LoaderSettingsPath(folder.Path()), folder.File("chosen/TARVEL.ini"));
    unsetenv("TARVEL_SETTINGS_DIR");
}

TEST_F(LoaderSettingsPathTest, BesideTheProgramWhenItsFolderTakesFiles) {
    EXPECT_EQ(LoaderSettingsPath(folder.Path()), folder.File("TARVEL.ini"));
}

TEST_F(LoaderSettingsPathTest, ElseInTheDesignersSettingsFolder) {
    EXPECT_EQ(LoaderSettingsPath(folder.File("no-such-folder")), folder.File("config/Velmora/TARVEL.ini"));
    EXPECT_EQ(LoaderSettingsPath(""), folder.File("config/Velmora/TARVEL.ini"));
}

}  // namespace
}  // namespace loader
