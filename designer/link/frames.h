#pragma once
// The byte frames of the terminal protocols, built and taken apart in one
// place for the programs, the virtual terminal and the tests alike.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "designer/link/protocol.h"

namespace termlink {

// A checksum byte is never sent as CR, so the only CR of a frame is its last byte.
constexpr std::uint8_t AvoidCr(std::uint8_t b) { return b == wire::kCr ? wire::kCrStandIn : b; }

// --- task blocks: 100 data bytes, their sum high byte first, the block number ---

using TaskBlockFrame = std::array<std::uint8_t, wire::kBlockFrameSize>;
using BlockData = std::span<const std::uint8_t, wire::kBlockDataSize>;

TaskBlockFrame MakeTaskBlockFrame(BlockData data, int number);

struct ReceivedBlock {
    int number = 0;
    bool intact = false;  // the sum matches the data
};
ReceivedBlock ParseTaskBlockFrame(const TaskBlockFrame& frame);

// --- lookup lines: the line, its sum high byte first, CR ---

// A lookup line travels in a 256-byte frame with its checksum and a CR.
constexpr std::size_t kMaxLookupLineLength = 253;
std::vector<std::uint8_t> MakeLookupLineFrame(std::string_view line);

// --- upload records: sequence byte, data, sum low byte first, CR ---

// The sum of the sequence byte and the data modulo 65536 is sent low byte first.
std::string MakeRecordFrame(std::uint8_t sequence, std::string_view data);

struct ReceivedRecord {
    std::uint8_t sequence = 0;
    std::string data;
    bool intact = false;    // ends with CR, has room for its checksum, and the sum matches
};
// Nothing for an empty frame: it has not even a sequence byte.
std::optional<ReceivedRecord> ParseRecordFrame(std::string_view frame);

}  // namespace termlink
