#include "designer/shell/recent_files.h"

#include <algorithm>
#include <cstddef>

#include "common/native_path.h"
#include "designer/shell/settings_file.h"

namespace shell {
namespace {

constexpr std::size_t kFullPathLength = 40;
constexpr std::size_t kHeadLength = 15;
constexpr std::size_t kTailLength = 22;

}  // namespace

std::vector<std::string> WithRecentFile(const std::vector<std::string>& list, const std::string& path) {
    std::vector<std::string> updated{path};
    for (const std::string& entry : list) {
        if (entry == path || entry.empty()) continue;
        if (updated.size() == Preferences::kMaxRecentFiles) break;
        updated.push_back(entry);
    }
    return updated;
}

std::string RecentMenuText(int number, const std::string& path) {
    std::string shown = path;
    const std::vector<std::size_t> starts = common::NativePathCharacterStarts(path);
    if (starts.size() > kFullPathLength) {
        shown = path.substr(0, starts[kHeadLength]) + "..." + path.substr(starts[starts.size() - kTailLength]);
    }
    std::string text = "&";
    text += std::to_string(number);
    text += ":  ";
    for (char c : shown) {
        if (c == '&') text += '&';
        text += c;
    }
    return text;
}

}  // namespace shell
