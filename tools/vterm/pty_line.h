#pragma once
// The terminal's end of a pseudo-terminal. The other end (the slave) is
// what the designer opens as its serial port. The slave is held open here
// too, so the host closing and reopening its port between transfers never
// hangs the line up.
#include <csignal>
#include <cstdint>
#include <string>

#include "designer/link/serial_link.h"

namespace vterm {

class PtyLine final : public termlink::SerialLink {
public:
    PtyLine() = default;
    ~PtyLine() override { Close(); }
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    // A new pseudo-terminal with a raw slave; false with `error` set.
    bool Create(std::string& error);
    const std::string& SlavePath() const { return slavePath_; }

    // The rate the host set on its end, in bit/s (the pair shares one set of
    // line settings); 0 when it cannot be read.
    std::uint32_t LineRate() const;

    // Waits up to `ms` for the host to read what was sent: closing the
    // line would throw unread bytes away.
    void Drain(std::uint32_t ms);

    // Reads give up, and the line closes, once `*stop` is set (by a signal).
    void SetStopFlag(const volatile std::sig_atomic_t* stop) { stop_ = stop; }

    // The host's settings are the host's: this end only reads and writes.
    bool Open(const std::string&) override { return false; }
    bool IsOpen() const override { return master_ >= 0; }
    void Close() override;
    bool SetQueues(std::size_t, std::size_t) override { return true; }
    bool Apply(const termlink::LineSettings&) override { return true; }
    bool SetTransferTimeouts() override { return true; }
    void Purge(bool transmit, bool receive) override;
    bool Write(const std::uint8_t* bytes, std::size_t count) override;
    int Read(std::uint8_t* buffer, std::size_t capacity, std::uint32_t waitMs) override;

private:
    int master_ = -1;
    int heldSlave_ = -1;
    std::string slavePath_;
    const volatile std::sig_atomic_t* stop_ = nullptr;
};

}  // namespace vterm
