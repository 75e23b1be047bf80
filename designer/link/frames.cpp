#include "designer/link/frames.h"

#include <algorithm>
#include <numeric>

namespace termlink {
namespace {

unsigned SumOf(std::string_view bytes, unsigned start = 0) {
    for (unsigned char c : bytes) start += c;
    return start;
}

// Low byte first, each kept clear of CR.
std::array<std::uint8_t, 2> RecordChecksum(std::uint8_t sequence, std::string_view data) {
    const unsigned sum = SumOf(data, sequence) & 0xFFFF;
    return {AvoidCr(static_cast<std::uint8_t>(sum & 0xFF)), AvoidCr(static_cast<std::uint8_t>(sum >> 8))};
}

}  // namespace

TaskBlockFrame MakeTaskBlockFrame(BlockData data, int number) {
    TaskBlockFrame frame{};
    std::copy(data.begin(), data.end(), frame.begin());
    const unsigned sum = std::accumulate(data.begin(), data.end(), 0u);
    frame[wire::kBlockDataSize] = static_cast<std::uint8_t>(sum >> 8);
    frame[wire::kBlockDataSize + 1] = static_cast<std::uint8_t>(sum & 0xFF);
    frame[wire::kBlockDataSize + 2] = static_cast<std::uint8_t>(number);
    return frame;
}

ReceivedBlock ParseTaskBlockFrame(const TaskBlockFrame& frame) {
    const auto dataEnd = frame.begin() + wire::kBlockDataSize;
    const unsigned sum = std::accumulate(frame.begin(), dataEnd, 0u);
    const unsigned sent = frame[wire::kBlockDataSize] << 8 | frame[wire::kBlockDataSize + 1];
    return {frame[wire::kBlockDataSize + 2], sum == sent};
}

std::vector<std::uint8_t> MakeLookupLineFrame(std::string_view line) {
    std::vector<std::uint8_t> frame(line.begin(), line.end());
    const unsigned sum = SumOf(line);
    frame.push_back(AvoidCr(static_cast<std::uint8_t>((sum >> 8) & 0xFF)));
    frame.push_back(AvoidCr(static_cast<std::uint8_t>(sum & 0xFF)));
    frame.push_back(wire::kCr);
    return frame;
}

std::string MakeRecordFrame(std::uint8_t sequence, std::string_view data) {
    const auto checksum = RecordChecksum(sequence, data);
    std::string frame(1, static_cast<char>(sequence));
    frame += data;
    frame.push_back(static_cast<char>(checksum[0]));
    frame.push_back(static_cast<char>(checksum[1]));
    frame.push_back(static_cast<char>(wire::kCr));
    return frame;
}

std::optional<ReceivedRecord> ParseRecordFrame(std::string_view frame) {
    if (frame.empty()) return std::nullopt;
    ReceivedRecord record;
    record.sequence = static_cast<std::uint8_t>(frame[0]);
    // A frame cut short (bytes beyond its room were dropped) has lost its end.
    if (frame.size() < 4 || static_cast<std::uint8_t>(frame.back()) != wire::kCr) return record;
    record.data = std::string(frame.substr(1, frame.size() - 4));
    const auto checksum = RecordChecksum(record.sequence, record.data);
    record.intact = static_cast<std::uint8_t>(frame[frame.size() - 3]) == checksum[0] &&
                    static_cast<std::uint8_t>(frame[frame.size() - 2]) == checksum[1];
    return record;
}

}  // namespace termlink
