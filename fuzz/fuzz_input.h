#pragma once
// What every fuzz target shares: the fuzzer's bytes taken piece by piece,
// the stop on a broken invariant that makes libFuzzer keep the input, and
// a word count.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz {

// Says which invariant broke and stops the program, so libFuzzer reports
// the input that led here as a crash and saves it.
[[noreturn]] void Broken(std::string_view what);

inline void Require(bool holds, std::string_view what) {
    if (!holds) Broken(what);
}

// How often `word` stands in `text` (overlaps counted): the protocol targets
// count the acknowledgements a terminal sent.
inline std::size_t CountOf(std::string_view text, std::string_view word) {
    std::size_t count = 0;
    for (std::size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) ++count;
    return count;
}

// The fuzzer's bytes, handed out from the front. Past the end every request
// gets zeros or nothing, so a target never has to check before it asks.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    bool Empty() const { return rest_.empty(); }
    std::uint8_t Byte();
    // A number from 0 to count - 1, from one byte.
    int Below(int count) { return Byte() % count; }
    // The next `count` bytes (fewer at the end).
    std::string Take(std::size_t count);
    // A piece that says its own length: one length byte, then that many bytes.
    std::string Piece() { return Take(Byte()); }
    std::string Rest() { return Take(rest_.size()); }

private:
    std::string_view rest_;
};

}  // namespace fuzz
