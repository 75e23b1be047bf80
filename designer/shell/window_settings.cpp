#include "designer/shell/window_settings.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>

#include "common/environment.h"
#include "common/file_replace.h"

namespace shell {
namespace {

constexpr char kFileName[] = "MostrelWindow.ini";
constexpr std::size_t kMaxFileSize = 1000;

// Whole numbers only, so the file never depends on a locale's decimal point.
std::optional<int> Number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string WindowSettingsPath() { return common::SettingsFolder() + "/" + kFileName; }

WindowSettings ReadWindowSettings(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string content(kMaxFileSize, '\0');
    if (in) in.read(content.data(), static_cast<std::streamsize>(content.size()));
    content.resize(static_cast<std::size_t>(in.gcount()));

    WindowSettings settings;
    std::optional<int> x;
    std::optional<int> y;
    std::istringstream lines(content);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string_view key = std::string_view(line).substr(0, eq);
        const std::optional<int> value = Number(std::string_view(line).substr(eq + 1));
        if (!value) continue;
        if (key == "zoom") settings.zoomPercent = *value;
        if (key == "x") x = value;
        if (key == "y") y = value;
    }
    if (x && y) settings.place = WindowSettings::Place{*x, *y};
    return settings;
}

std::string FormatWindowSettings(const WindowSettings& settings) {
    std::string text = "zoom=" + std::to_string(settings.zoomPercent) + "\n";
    if (settings.place) {
        text += "x=" + std::to_string(settings.place->x) + "\n";
        text += "y=" + std::to_string(settings.place->y) + "\n";
    }
    return text;
}

bool WriteWindowSettings(const std::string& path, const WindowSettings& settings) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    return common::ReplaceFileContents(path, FormatWindowSettings(settings)).ok;
}

}  // namespace shell
