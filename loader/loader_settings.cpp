#include "loader/loader_settings.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "common/environment.h"
#include "common/file_replace.h"
#include "common/folder_access.h"

namespace loader {
namespace {

constexpr const char* kFileName = "TARVEL.ini";
constexpr int kLinkTypes = 2;
constexpr int kSpeeds = 5;
constexpr int kLargestPort = 999999;

bool EndsValue(char c) { return c == '\r' || c == '\n'; }

std::vector<std::string_view> Values(std::string_view content) {
    std::vector<std::string_view> values;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= content.size(); ++i) {
        if (i < content.size() && !EndsValue(content[i])) continue;
        if (i > start) values.push_back(content.substr(start, i - start));
        start = i + 1;
    }
    return values;
}

// The digit a value starts with, or `fallback` when that is no digit below `count`.
int LeadingDigit(std::string_view value, int count, int fallback) {
    const int digit = value.front() - '0';
    return digit >= 0 && digit < count ? digit : fallback;
}

// A decimal number after optional spaces and sign, up to the first character
// that is no digit; large numbers stop at the largest port the loader names.
int DecimalValue(std::string_view value) {
    std::size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || value[i] == '\t')) ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
    int number = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        number = std::min(number * 10 + (value[i] - '0'), kLargestPort);
    }
    return negative ? -number : number;
}

std::string Joined(const std::string& folder) { return (std::filesystem::path(folder) / kFileName).string(); }

}  // namespace

std::string FormatLoaderSettings(const LoaderSettings& settings) {
    const LoaderSettings defaults;
    const std::string& path =
        settings.lastTaskPath.size() > LoaderSettings::kMaxPathLength ? defaults.lastTaskPath : settings.lastTaskPath;
    return path + '\r' + std::to_string(settings.linkType) + '\r' + std::to_string(settings.portNumber) + '\r' +
           std::to_string(settings.speedIndex) + '\r';
}

LoaderSettings ParseLoaderSettings(std::string_view content) {
    LoaderSettings settings;
    const LoaderSettings defaults;
    const auto values = Values(content.substr(0, std::min(content.size(), LoaderSettings::kMaxFileSize)));
    if (values.size() > 0 && values[0].size() <= LoaderSettings::kMaxPathLength) {
        settings.lastTaskPath = std::string(values[0]);
    }
    if (values.size() > 1) settings.linkType = LeadingDigit(values[1], kLinkTypes, defaults.linkType);
    if (values.size() > 2) {
        const int port = DecimalValue(values[2]);
        settings.portNumber = port >= 1 ? port : defaults.portNumber;
    }
    if (values.size() > 3) settings.speedIndex = LeadingDigit(values[3], kSpeeds, defaults.speedIndex);
    return settings;
}

std::string LoaderSettingsPath(const std::string& programFolder) {
    if (const std::string chosen = common::Environment("TARVEL_SETTINGS_DIR"); !chosen.empty()) return Joined(chosen);
    std::error_code error;
    if (!programFolder.empty() &&
        (std::filesystem::exists(Joined(programFolder), error) || common::CanCreateFilesIn(programFolder))) {
        return Joined(programFolder);
    }
    return Joined(common::SettingsFolder());
}

bool ReadLoaderSettings(const std::string& path, LoaderSettings& settings) {
    std::ifstream file(path, std::ios::binary);
    std::string content(LoaderSettings::kMaxFileSize, '\0');
    if (file) file.read(content.data(), static_cast<std::streamsize>(content.size()));
    content.resize(file.is_open() ? static_cast<std::size_t>(file.gcount()) : 0);
    settings = ParseLoaderSettings(content);
    return !content.empty();
}

bool WriteLoaderSettings(const std::string& path, const LoaderSettings& settings) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    return common::ReplaceFileContents(path, FormatLoaderSettings(settings)).ok;
}

}  // namespace loader
