#pragma once
// Reads and writes on a non-blocking descriptor that wait in poll() up to a
// deadline and never spin: shared by the serial link and the virtual
// terminal's side of a pseudo-terminal.
#include <cstddef>
#include <cstdint>

namespace termlink {

// Waits up to `waitMs` for at least one byte, then returns what has arrived
// (up to `capacity`): 0 when nothing came, -1 when the descriptor failed or
// the line hung up.
int ReadWithin(int fd, std::uint8_t* buffer, std::size_t capacity, std::uint32_t waitMs);

// Writes every byte within `limitMs`; false when that fails.
bool WriteWithin(int fd, const std::uint8_t* bytes, std::size_t count, std::uint32_t limitMs);

}  // namespace termlink
