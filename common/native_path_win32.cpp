#include "common/native_path.h"

namespace common {

std::vector<std::size_t> NativePathCharacterStarts(const std::string& path) {
    std::vector<std::size_t> starts(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) starts[i] = i;
    return starts;
}

// The ANSI code page of a Russian Windows is Windows-1251 already.
std::string NativePathToCp1251(const std::string& path) { return path; }

std::string Cp1251ToNativeText(const std::string& text) { return text; }

std::string NativeTextToCp1251(const std::string& text) { return text; }

}  // namespace common
