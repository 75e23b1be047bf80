// The designer's Mostrel.ini. Whatever the file holds, the preferences read
// from it are written back within the size the reader takes, and what is
// written reads back to the same file; only paths the file cannot hold are
// lost on the way.
#include <algorithm>
#include <fstream>

#include "designer/shell/settings_file.h"
#include "fuzz/fuzz_input.h"
#include "testing/temp_folder.h"

namespace {

bool NoLineEnd(const std::string& value) { return value.find('\r') == std::string::npos; }

// Whether `part` is `whole` with some entries left out, in the same order.
bool IsSubsequence(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
    auto at = whole.begin();
    for (const std::string& entry : part) {
        at = std::find(at, whole.end(), entry);
        if (at == whole.end()) return false;
        ++at;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    using shell::Preferences;
    static const test_support::TempFolder folder;
    const std::string path = folder.File("Mostrel.ini");
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    Preferences read;
    shell::ReadSettingsFile(path, read);
    Require(read.language.size() <= Preferences::kMaxLanguageName, "a language name longer than 40 characters");
    Require(read.recentFiles.size() <= Preferences::kMaxRecentFiles, "more than four recent files");
    Require(std::none_of(read.recentFiles.begin(), read.recentFiles.end(), [](const std::string& f) { return f.empty(); }),
            "an empty recent file");
    Require(NoLineEnd(read.lastFile) && NoLineEnd(read.language) &&
                std::all_of(read.recentFiles.begin(), read.recentFiles.end(), NoLineEnd),
            "a value holds a carriage return");

    const std::string text = shell::FormatSettings(read);
    Require(text.size() <= 1299, "the settings written back outgrow what is read");
    Require(shell::WriteSettingsFile(path, read), "the settings cannot be written back");
    Preferences back;
    shell::ReadSettingsFile(path, back);
    Require(shell::FormatSettings(back) == text, "the settings written back read differently");
    Require(back.lastFile == read.lastFile || back.lastFile == "Unknow", "the last file changed on the way");
    Require(back.downloadVia == read.downloadVia && back.receiveVia == read.receiveVia &&
                back.comPort == read.comPort && back.speedIndex == read.speedIndex &&
                back.autoPreload == read.autoPreload && back.alwaysOnTop == read.alwaysOnTop &&
                back.language == read.language && back.portPosition == read.portPosition,
            "a preference changed on the way");
    Require(IsSubsequence(back.recentFiles, read.recentFiles), "the recent files changed other than by losing some");
    return 0;
}
