#include "loader/file_bytes.h"

#include <algorithm>
#include <fstream>
#include <string_view>

#include "common/file_replace.h"

namespace loader {

std::optional<std::vector<task::Byte>> ReadFileBytes(const std::string& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<task::Byte> bytes;
    char buffer[4096];
    while (bytes.size() < limit) {
        in.read(buffer, static_cast<std::streamsize>(std::min(sizeof buffer, limit - bytes.size())));
        bytes.insert(bytes.end(), buffer, buffer + in.gcount());
        if (!in) break;
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool ReplaceFileBytes(const std::string& path, const std::vector<task::Byte>& bytes) {
    const std::string_view content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return common::ReplaceFileContents(path, content).ok;
}

}  // namespace loader
