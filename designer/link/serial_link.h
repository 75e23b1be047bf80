#pragma once
// One open serial port: line settings, modem lines, time-outs, and reads and
// writes that never wait past a deadline. Implemented over termios, over
// Win32 and in memory for tests.
#include <cstddef>
#include <cstdint>
#include <string>

namespace termlink {

// SpeedIndex 0..4: 115200, 57600, 38400, 19200, 9600 bit/s.
constexpr int kSpeedCount = 5;
std::uint32_t RateOfSpeedIndex(int speedIndex);  // 0 for an index out of range

// The device-control record the programs keep for the whole run and never
// read back from the port: only these fields are ever written.
struct LineSettings {
    std::uint32_t rate = 0;
    std::uint8_t byteSize = 0;  // 8
    std::uint8_t parity = 0;    // 0 = none
    std::uint8_t stopBits = 0;  // 0 = one stop bit
    bool dtrOn = false;
    bool rtsOn = false;
    bool ctsOutputFlow = false;
    bool xonXoffOutput = false;
};

// The longest a single read or write may wait.
constexpr std::uint32_t kTransferDeadlineMs = 1000;

class SerialLink {
public:
    virtual ~SerialLink() = default;

    // `device` is a device path ("\\.\COM3", "/dev/ttyUSB0").
    virtual bool Open(const std::string& device) = 0;
    virtual bool IsOpen() const = 0;
    virtual void Close() = 0;

    virtual bool SetQueues(std::size_t inputBytes, std::size_t outputBytes) = 0;
    // Rate, byte size, parity, stop bits, DTR and RTS; false when the system refuses them.
    virtual bool Apply(const LineSettings& settings) = 0;
    // A write may take 5 ms a byte plus 50 ms.
    virtual bool SetTransferTimeouts() = 0;
    virtual void Purge(bool transmit, bool receive) = 0;

    // Writes every byte within kTransferDeadlineMs; false when that fails.
    virtual bool Write(const std::uint8_t* bytes, std::size_t count) = 0;
    // Waits up to `waitMs` (at most kTransferDeadlineMs) in the system for at
    // least one byte, then returns what has arrived, up to `capacity` bytes:
    // 0 when nothing came, -1 when the port failed.
    virtual int Read(std::uint8_t* buffer, std::size_t capacity, std::uint32_t waitMs) = 0;
};

}  // namespace termlink
