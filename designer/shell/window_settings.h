#pragma once
// Where the designer's window was and how large it showed the terminal, kept
// between runs in a file of the designer's own beside Mostrel.ini, whose
// format other programs read and which therefore stays as it is.
#include <optional>
#include <string>

namespace shell {

struct WindowSettings {
    int zoomPercent = 100;  // 100 = the terminal's own size
    struct Place {
        int x = 0;
        int y = 0;
        bool operator==(const Place&) const = default;
    };
    std::optional<Place> place;  // the window's top-left corner; none: where a first run puts it

    bool operator==(const WindowSettings&) const = default;
};

// MostrelWindow.ini beside Mostrel.ini.
std::string WindowSettingsPath();

// Lines "zoom=150", "x=300", "y=50"; an unreadable file or value leaves the default.
WindowSettings ReadWindowSettings(const std::string& path);
std::string FormatWindowSettings(const WindowSettings& settings);
// Writes safely and creates the folder; returns whether it was written.
bool WriteWindowSettings(const std::string& path, const WindowSettings& settings);

}  // namespace shell
