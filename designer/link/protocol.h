#pragma once
// The bytes the host, the terminal and the infrared cradle say to each other.
// Every program and test that speaks or plays the protocol takes them from here.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace termlink::wire {

constexpr std::uint8_t kCr = 0x0D;  // ends every command, reply and frame
constexpr std::uint8_t kLf = 0x0A;  // dropped from lookup files
// A checksum byte that would read as CR is sent as this instead.
constexpr std::uint8_t kCrStandIn = 0x0E;

// Commands and replies as they travel, each ended by CR.
constexpr std::string_view kHandshake = "CIPHER\r";  // host: are you there, and which firmware?
constexpr std::string_view kRead = "READ\r";         // host: send the collected records
constexpr std::string_view kAck = "ACK\r";           // either side: frame accepted, or ready
constexpr std::string_view kNak = "NAK\r";           // either side: frame refused, send it again
constexpr std::string_view kFull = "FULL\r";         // terminal: no room for the task
constexpr std::string_view kOver = "OVER\r";         // either side: the last frame of a file

// The word of a command or reply without its CR, as a reply reads once its CR is dropped.
constexpr std::string_view Word(std::string_view framed) { return framed.substr(0, framed.size() - 1); }

// A task block: 100 image bytes, their sum high byte first, the block number.
constexpr std::size_t kBlockDataSize = 100;
constexpr std::size_t kBlockFrameSize = kBlockDataSize + 3;
// The most blocks a task image has; block numbers are one byte.
constexpr std::size_t kMaxBlocks = 200;

// An upload record counts its sequence byte 0..9 round.
constexpr int kRecordSequenceModulo = 10;

// The infrared cradle, spoken to with RTS off at the rate it listens at.
constexpr std::uint8_t kCradleProbe = 0x0F;    // echoed when the rate is right
constexpr std::uint8_t kCradleSetRate = 0x07;  // followed by a speed code, then kCradleCommit
constexpr std::uint8_t kCradleCommit = 'Q';
// Speed codes run from '6' for 115200 bit/s down to '2' for 9600 bit/s.
constexpr std::uint8_t kCradleFastestSpeedCode = '6';

}  // namespace termlink::wire
