#pragma once
// The byte frames of the terminal protocols and their checksums.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "designer/link/terminal_image.h"

namespace termlink {

constexpr std::uint8_t kCr = 0x0D;
constexpr std::uint8_t kLf = 0x0A;

// A checksum byte is never sent as CR, so the only CR of a frame is its last byte.
constexpr std::uint8_t AvoidCr(std::uint8_t b) { return b == kCr ? 0x0E : b; }

// 100 image bytes, the sum of those bytes high byte first, the block number.
constexpr std::size_t kTaskBlockFrameSize = kImageBlockSize + 3;
using TaskBlockFrame = std::array<std::uint8_t, kTaskBlockFrameSize>;
TaskBlockFrame MakeTaskBlockFrame(const TerminalImage& image, int block);

// A lookup line travels in a 256-byte frame with its checksum and a CR.
constexpr std::size_t kMaxLookupLineLength = 253;
std::vector<std::uint8_t> MakeLookupLineFrame(std::string_view line);

// The number (from 1) of the first line of a lookup file too long for its
// frame; lines end at CR and line feeds are dropped, as when sending.
std::optional<int> FindOverlongLookupLine(std::string_view content);

// The two checksum bytes of an upload record, low byte first: the sum of the
// sequence byte and the data, modulo 65536.
std::array<std::uint8_t, 2> RecordChecksum(std::uint8_t sequence, std::string_view data);

}  // namespace termlink
