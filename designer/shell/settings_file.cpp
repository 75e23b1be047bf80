#include "designer/shell/settings_file.h"

#include <filesystem>
#include <fstream>
#include <string_view>

#include "common/environment.h"
#include "common/file_replace.h"
#include "common/native_path.h"

// The whole file is in the system's own encoding, so every value reads back
// as it was written and a text editor shows it whole: on Windows the ANSI code
// page (Windows-1251), on POSIX UTF-8. Paths are native bytes already (as
// Windows-1251 a UTF-8 path would lose every character that code page lacks
// and name a file that does not exist). The language name is Windows-1251 in
// memory, as the language files give it, and is converted on the way in and
// out; a name an earlier version wrote as Windows-1251 is still understood.

namespace shell {
namespace {

constexpr std::size_t kMaxFileSize = 1299;
constexpr char kFileName[] = "Mostrel.ini";
const std::string kNoLastFile = "Unknow";

// A path the file can hold as one value. An empty one would read back as "Unknow".
bool Keepable(const std::string& path) { return !path.empty() && path.find('\r') == std::string::npos; }

std::vector<std::string> SplitAtCarriageReturns(std::string_view content) {
    std::vector<std::string> values;
    while (!content.empty()) {
        const std::size_t cr = content.find('\r');
        values.emplace_back(content.substr(0, cr));
        if (cr == std::string_view::npos) break;
        content.remove_prefix(cr + 1);
    }
    return values;
}

// Decimal, as the C library reads it; an absent or empty value keeps the default.
void TakeNumber(const std::vector<std::string>& values, std::size_t index, int& to) {
    if (index < values.size() && !values[index].empty()) to = std::atoi(values[index].c_str());
}

void TakeFlag(const std::vector<std::string>& values, std::size_t index, bool& to) {
    int number = to ? 1 : 0;
    TakeNumber(values, index, number);
    to = number != 0;
}

void EnsureFolder(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
}

}  // namespace

std::string SettingsPath() { return common::SettingsFolder() + "/" + kFileName; }

void ReadSettingsFile(const std::string& path, Preferences& preferences) {
    const std::string language = preferences.language;
    preferences = Preferences{};
    preferences.language = language;

    std::ifstream in(path, std::ios::binary);
    std::string content(kMaxFileSize + 1, '\0');
    if (in) in.read(content.data(), static_cast<std::streamsize>(content.size()));
    content.resize(static_cast<std::size_t>(in.gcount()));
    // Anything beyond the limit is ignored, and so is a value the limit cuts
    // through: half a path would name a file that does not exist.
    if (content.size() > kMaxFileSize) content.erase(content.rfind('\r', kMaxFileSize - 1) + 1);
    const std::vector<std::string> values = SplitAtCarriageReturns(content);

    if (!values.empty() && !values[0].empty()) preferences.lastFile = values[0];
    TakeNumber(values, 1, preferences.downloadVia);
    TakeNumber(values, 2, preferences.receiveVia);
    TakeNumber(values, 3, preferences.comPort);
    TakeNumber(values, 4, preferences.speedIndex);
    TakeFlag(values, 5, preferences.autoPreload);
    TakeFlag(values, 6, preferences.alwaysOnTop);
    if (values.size() > 7 && !values[7].empty()) {
        // Held as it will be written back: a byte Windows-1251 has no
        // character for would otherwise come back as another one.
        const std::string name = common::NativeTextToCp1251(values[7]).substr(0, Preferences::kMaxLanguageName);
        preferences.language = common::NativeTextToCp1251(common::Cp1251ToNativeText(name));
    }
    TakeNumber(values, 8, preferences.portPosition);
    for (std::size_t i = 9; i < values.size() && preferences.recentFiles.size() < Preferences::kMaxRecentFiles; ++i) {
        if (!values[i].empty()) preferences.recentFiles.push_back(values[i]);
    }
}

void ReadSettings(Preferences& preferences) {
    const std::string path = SettingsPath();
    EnsureFolder(path);
    ReadSettingsFile(path, preferences);
}

std::string FormatSettings(const Preferences& p) {
    std::string values;
    const auto line = [&](const std::string& value) { values += value + '\r'; };
    line(std::to_string(p.downloadVia));
    line(std::to_string(p.receiveVia));
    line(std::to_string(p.comPort));
    line(std::to_string(p.speedIndex));
    line(p.autoPreload ? "1" : "0");
    line(p.alwaysOnTop ? "1" : "0");
    line(common::Cp1251ToNativeText(p.language));
    line(std::to_string(p.portPosition));

    // The file must read back as it was written: a path with a carriage
    // return in it would read as two values, and a path past the size the
    // reader takes would be lost or cut. Such a path is not kept: the last
    // file becomes "Unknow", a recent file is left out of the list.
    std::string text = (Keepable(p.lastFile) ? p.lastFile : kNoLastFile) + '\r' + values;
    if (text.size() > kMaxFileSize) text = kNoLastFile + ('\r' + values);
    std::size_t written = 0;
    for (const std::string& recent : p.recentFiles) {
        if (written == Preferences::kMaxRecentFiles) break;
        if (!Keepable(recent) || text.size() + recent.size() + 1 > kMaxFileSize) continue;
        text += recent + '\r';
        ++written;
    }
    return text;
}

bool WriteSettingsFile(const std::string& path, const Preferences& preferences) {
    EnsureFolder(path);
    return common::ReplaceFileContents(path, FormatSettings(preferences)).ok;
}

bool WriteSettings(const Preferences& preferences) { return WriteSettingsFile(SettingsPath(), preferences); }

}  // namespace shell
