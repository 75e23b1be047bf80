#pragma once
// Key-code strings: the prefix and suffix of a form line and the code IDs of
// the barcode symbologies are not typed text but a few terminal key codes
// picked in the grid dialog. Codes 0x1D..0x1F stand for the contents of
// variable1..3; such a code is the first and only one of its string.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "designer/task/bit_field.h"

namespace editors {

using task::Byte;

// The key codes the grid shows: 16 columns of 16 rows, code = 16 * column + row.
inline constexpr int kKeyCodeCount = 256;
inline constexpr int kGridSide = 16;

constexpr bool IsVariableKey(int code) { return code >= 0x1D && code <= 0x1F; }
// 0 ends a string, and the terminal takes LF and Enter for itself: they cannot be picked.
constexpr bool IsChoosableKey(int code) { return code > 0 && code < kKeyCodeCount && code != 0x0A && code != 0x0D; }

// The name of a code as its cell in the grid shows it: "Ins", "F1", "SP",
// the character itself, "128"; "Var1".."Var3" for the variables; empty for 0.
std::string KeyName(int code);

class KeyCodes {
public:
    explicit KeyCodes(std::size_t capacity) : capacity_(capacity) {}

    // The string held in `stored`: it ends at the first 0, after `capacity`
    // codes, or after a variable code.
    static KeyCodes FromStored(std::span<const Byte> stored, std::size_t capacity);

    std::size_t Capacity() const { return capacity_; }
    const std::vector<Byte>& Codes() const { return codes_; }
    bool Empty() const { return codes_.empty(); }
    // Nothing more can be added: the capacity is reached or a variable ends the string.
    bool Full() const { return codes_.size() >= capacity_ || (!codes_.empty() && IsVariableKey(codes_.back())); }

    // Appends `code`; false, with nothing changed, when the string is full
    // or a variable code would follow other codes.
    bool Add(Byte code);
    void Clear() { codes_.clear(); }

    // The codes into `slot`, the rest of it zero.
    void StoreInto(std::span<Byte> slot) const;

    friend bool operator==(const KeyCodes&, const KeyCodes&) = default;

private:
    std::size_t capacity_;
    std::vector<Byte> codes_;
};

}  // namespace editors
