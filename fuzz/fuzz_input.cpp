#include "fuzz/fuzz_input.h"

#include <cstdio>

namespace fuzz {

void Broken(std::string_view what) {
    std::fprintf(stderr, "broken invariant: %.*s\n", static_cast<int>(what.size()), what.data());
    __builtin_trap();
}

std::uint8_t Input::Byte() {
    if (rest_.empty()) return 0;
    const auto b = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return b;
}

std::string Input::Take(std::size_t count) {
    const std::string_view taken = rest_.substr(0, count);
    rest_.remove_prefix(taken.size());
    return std::string(taken);
}

}  // namespace fuzz
