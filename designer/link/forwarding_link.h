#pragma once
// A link that hands every call to another one, for wrappers that watch or
// shape the traffic of a real link and override only what they change.
#include "designer/link/serial_link.h"

namespace termlink {

class ForwardingLink : public SerialLink {
public:
    explicit ForwardingLink(SerialLink& inner) : inner_(inner) {}

    bool Open(const std::string& device) override { return inner_.Open(device); }
    bool IsOpen() const override { return inner_.IsOpen(); }
    void Close() override { inner_.Close(); }
    bool SetQueues(std::size_t in, std::size_t out) override { return inner_.SetQueues(in, out); }
    bool Apply(const LineSettings& settings) override { return inner_.Apply(settings); }
    bool SetTransferTimeouts() override { return inner_.SetTransferTimeouts(); }
    void Purge(bool transmit, bool receive) override { inner_.Purge(transmit, receive); }
    bool Write(const std::uint8_t* bytes, std::size_t count) override { return inner_.Write(bytes, count); }
    int Read(std::uint8_t* buffer, std::size_t capacity, std::uint32_t waitMs) override {
        return inner_.Read(buffer, capacity, waitMs);
    }

protected:
    SerialLink& inner_;
};

}  // namespace termlink
