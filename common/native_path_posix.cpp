#include <string_view>

#include "common/cp1251.h"
#include "common/native_path.h"

namespace common {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Whether `text` is well-formed UTF-8 (lead bytes followed by their continuations).
bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3
                                                   : (lead & 0xF8) == 0xF0 ? 4 : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if (!IsContinuation(static_cast<unsigned char>(text[i + k]))) return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

std::vector<std::size_t> NativePathCharacterStarts(const std::string& path) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (!IsContinuation(static_cast<unsigned char>(path[i]))) starts.push_back(i);
    }
    return starts;
}

std::string NativePathToCp1251(const std::string& path) { return Utf8ToCp1251(path); }

std::string Cp1251ToNativeText(const std::string& text) { return Cp1251ToUtf8(text); }

std::string NativeTextToCp1251(const std::string& text) { return IsUtf8(text) ? Utf8ToCp1251(text) : text; }

}  // namespace common
