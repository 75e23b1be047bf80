#include "common/file_contents.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace common {

std::optional<std::string> ReadRegularFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || error) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content;
    char buffer[64 * 1024];
    // istream::read turns a failing read into badbit; it does not throw.
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (!in) break;
    }
    if (in.bad()) return std::nullopt;
    return content;
}

}  // namespace common
