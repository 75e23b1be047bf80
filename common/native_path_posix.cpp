#include "common/cp1251.h"
#include "common/native_path.h"

namespace common {

std::vector<std::size_t> NativePathCharacterStarts(const std::string& path) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto byte = static_cast<unsigned char>(path[i]);
        if ((byte & 0xC0) != 0x80) starts.push_back(i);  // not a continuation byte
    }
    return starts;
}

std::string NativePathToCp1251(const std::string& path) { return Utf8ToCp1251(path); }

}  // namespace common
