#include "designer/shell/window_settings.h"

#include <cstdlib>
#include <fstream>

#include <gtest/gtest.h>

#include "testing/temp_folder.h"

namespace shell {
namespace {

using test_support::TempFolder;

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

TEST(WindowSettings, KeptInAFileOfItsOwnBesideTheSettingsFile) {
    TempFolder folder;
    setenv("APPDATA", folder.Path().c_str(), 1);
    EXPECT_EQ(WindowSettingsPath(), folder.Path() + "/Velmora/MostrelWindow.ini");
    unsetenv("APPDATA");

    WindowSettings settings;
    settings.zoomPercent = 150;
    settings.place = WindowSettings::Place{-12, 1100};
    EXPECT_EQ(FormatWindowSettings(settings), "zoom=150\nx=-12\ny=1100\n");
    const std::string path = folder.File("deeper/MostrelWindow.ini");
    ASSERT_TRUE(WriteWindowSettings(path, settings));
    EXPECT_EQ(ReadWindowSettings(path), settings);

    EXPECT_EQ(FormatWindowSettings(WindowSettings{}), "zoom=100\n") << "no place before the window had one";
}

TEST(WindowSettings, WhatCannotBeReadKeepsTheDefaults) {
    TempFolder folder;
    EXPECT_EQ(ReadWindowSettings(folder.File("none.ini")), WindowSettings{});

    const std::string path = folder.File("MostrelWindow.ini");
    WriteText(path, "zoom=1.5\r\nx=40\r\nnoise\r\ny=\r\n");
    const WindowSettings half = ReadWindowSettings(path);
    EXPECT_EQ(half.zoomPercent, 100) << "a zoom must be a whole percentage";
    EXPECT_FALSE(half.place) << "a place needs both corners";

    WriteText(path, "y=70\r\nzoom=250\r\nx=40\r\n");  // CR LF from an editor, any order
    const WindowSettings full = ReadWindowSettings(path);
    EXPECT_EQ(full.zoomPercent, 250);
    ASSERT_TRUE(full.place);
    EXPECT_EQ(*full.place, (WindowSettings::Place{40, 70}));
}

}  // namespace
}  // namespace shell
