#pragma once
// A field of a few bits inside one byte of a record: the records pack flags
// and small numbers this way (barcode options, wedge flags, function keys).
#include <cstdint>

namespace task {

using Byte = std::uint8_t;

struct BitField {
    int shift;  // of the field's lowest bit
    int width;  // in bits

    constexpr Byte Mask() const { return static_cast<Byte>(((1u << width) - 1) << shift); }

    // The field's value, 0 .. 2^width - 1.
    constexpr Byte Of(Byte byte) const { return static_cast<Byte>((byte & Mask()) >> shift); }

    // `byte` with the field set to `value` (cut to its width); the other bits kept.
    constexpr Byte With(Byte byte, unsigned value) const {
        return static_cast<Byte>((byte & ~Mask()) | ((value << shift) & Mask()));
    }
};

}  // namespace task
