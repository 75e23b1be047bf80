#pragma once
// The designer's preferences and recent files, kept in Mostrel.ini in the
// user's settings folder: one value per line, each ended by a carriage return.
#include <string>
#include <vector>

namespace shell {

struct Preferences {
    static constexpr std::size_t kMaxRecentFiles = 4;
    static constexpr std::size_t kMaxLanguageName = 40;

    std::string lastFile = "Unknow";  // "Unknow" when none
    int downloadVia = 1;              // LinkType: 0 RS-232, 1 Cradle-IR, 2 IrDA
    int receiveVia = 1;
    int comPort = 1;     // used only when no port position is stored
    int speedIndex = 0;  // 0 = 115200 .. 4 = 9600 bps
    bool autoPreload = false;
    bool alwaysOnTop = false;
    std::string language = "0";  // a language name (Windows-1251); "0" = built-in English
    int portPosition = 1;        // -1 = not chosen
    std::vector<std::string> recentFiles;  // most recent first
};

// Mostrel.ini in the settings folder (common/environment.h).
std::string SettingsPath();

// A missing or empty file gives the defaults (the language keeps its value);
// a missing value takes its default. Creates the folder when it is missing.
void ReadSettings(Preferences& preferences);
void ReadSettingsFile(const std::string& path, Preferences& preferences);

// Writes safely: a failed write leaves the old file. Returns whether it was written.
bool WriteSettings(const Preferences& preferences);
bool WriteSettingsFile(const std::string& path, const Preferences& preferences);

// The exact bytes of the file, in the system's encoding.
std::string FormatSettings(const Preferences& preferences);

}  // namespace shell
