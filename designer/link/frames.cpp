#include "designer/link/frames.h"

namespace termlink {

TaskBlockFrame MakeTaskBlockFrame(const TerminalImage& image, int block) {
    TaskBlockFrame frame{};
    unsigned sum = 0;
    const std::size_t start = static_cast<std::size_t>(block) * kImageBlockSize;
    for (std::size_t i = 0; i < kImageBlockSize; ++i) {
        frame[i] = image[start + i];
        sum += frame[i];
    }
    frame[kImageBlockSize] = static_cast<std::uint8_t>(sum >> 8);
    frame[kImageBlockSize + 1] = static_cast<std::uint8_t>(sum & 0xFF);
    frame[kImageBlockSize + 2] = static_cast<std::uint8_t>(block);
    return frame;
}

std::vector<std::uint8_t> MakeLookupLineFrame(std::string_view line) {
    std::vector<std::uint8_t> frame(line.begin(), line.end());
    unsigned sum = 0;
    for (unsigned char c : line) sum += c;
    frame.push_back(AvoidCr(static_cast<std::uint8_t>((sum >> 8) & 0xFF)));
    frame.push_back(AvoidCr(static_cast<std::uint8_t>(sum & 0xFF)));
    frame.push_back(kCr);
    return frame;
}

std::optional<int> FindOverlongLookupLine(std::string_view content) {
    int line = 1;
    std::size_t length = 0;
    for (unsigned char c : content) {
        if (c == kCr) {
            if (length > kMaxLookupLineLength) return line;
            ++line;
            length = 0;
        } else if (c != kLf) {
            ++length;
        }
    }
    if (length > kMaxLookupLineLength) return line;
    return std::nullopt;
}

std::array<std::uint8_t, 2> RecordChecksum(std::uint8_t sequence, std::string_view data) {
    unsigned sum = sequence;
    for (unsigned char c : data) sum += c;
    sum &= 0xFFFF;
    return {AvoidCr(static_cast<std::uint8_t>(sum & 0xFF)), AvoidCr(static_cast<std::uint8_t>(sum >> 8))};
}

}  // namespace termlink
