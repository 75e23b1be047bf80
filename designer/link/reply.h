#pragma once
// Reading what the other side says: replies and frames end with a CR and
// must arrive within a time; bytes beyond what is kept are read and dropped
// or left for the next read, as each reader says.
#include <cstddef>
#include <cstdint>
#include <string>

#include "designer/link/byte_reader.h"

namespace termlink {

// How a program reads a reply to what it sent: the designer reads at most
// 10 bytes within 3000 ms; the loader 16 within 2000 ms until it knows the
// terminal's model, then 10.
struct ReplyRule {
    std::uint32_t timeoutMs = 3000;
    std::size_t limit = 10;  // bytes read at most, the CR included
};

// One reply: bytes up to a CR, at most `rule.limit` of them, within
// `rule.timeoutMs`. The CR is dropped and the text ends at a zero byte, as
// replies are compared as zero-terminated texts. Empty when nothing came.
// Bytes past the limit stay for the next read.
std::string ReadReply(ByteReader& reader, const ReplyRule& rule);

struct ReceivedFrame {
    std::string bytes;   // the first bytes of the frame, its CR included when there was room
    bool ended = false;  // a CR came in time
};

// A frame up to its CR within `timeoutMs`; bytes beyond `kept` are read and dropped.
ReceivedFrame ReadFrame(ByteReader& reader, std::uint32_t timeoutMs, std::size_t kept);

}  // namespace termlink
