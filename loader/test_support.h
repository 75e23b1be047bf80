#pragma once
// Helpers for the loader's tests: files crafted byte by byte at the offsets
// the file layouts give, independent of the loader's own writer.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/cp1251.h"
#include "designer/task/task_model.h"

namespace loader::testing {

using Bytes = std::vector<task::Byte>;

// A byte that differs from its neighbours and is never zero, so a block read
// from the wrong offset shows.
inline task::Byte PatternAt(std::size_t offset) { return static_cast<task::Byte>(offset % 251 + 1); }

// `size` pattern bytes behind a ten-byte identifier (nine characters and a NUL).
inline Bytes PatternFile(std::string_view id, std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = PatternAt(i);
    for (std::size_t i = 0; i < 10; ++i) bytes[i] = i < id.size() ? static_cast<task::Byte>(id[i]) : 0;
    return bytes;
}

// Windows-1251 bytes of a UTF-8 literal.
inline std::string Cp(std::string_view utf8) { return common::Utf8ToCp1251(utf8); }

inline void Put(Bytes& bytes, std::size_t offset, std::string_view raw) {
    for (std::size_t i = 0; i < raw.size(); ++i) bytes[offset + i] = static_cast<task::Byte>(raw[i]);
}

inline std::string Slice(const task::Byte* bytes, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(bytes), size);
}

template <typename Container>
std::string Slice(const Container& bytes, std::size_t offset, std::size_t size) {
    return Slice(bytes.data() + offset, size);
}

}  // namespace loader::testing
