// The termios port. Every wait happens in poll() up to a deadline; reads and
// writes never spin.
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "designer/link/fd_io_posix.h"
#include "designer/link/port_list.h"
#include "designer/link/system_serial_link.h"

namespace termlink {
namespace {

bool SpeedOfRate(std::uint32_t rate, speed_t& speed) {
    switch (rate) {
        case 1200: speed = B1200; return true;
        case 2400: speed = B2400; return true;
        case 4800: speed = B4800; return true;
        case 9600: speed = B9600; return true;
        case 19200: speed = B19200; return true;
        case 38400: speed = B38400; return true;
        case 57600: speed = B57600; return true;
        case 115200: speed = B115200; return true;
        default: return false;
    }
}

bool CharacterSize(std::uint8_t byteSize, tcflag_t& flag) {
    switch (byteSize) {
        case 5: flag = CS5; return true;
        case 6: flag = CS6; return true;
        case 7: flag = CS7; return true;
        case 8: flag = CS8; return true;
        default: return false;
    }
}

// A pseudo-terminal has no modem lines and refuses these requests; that is
// not a failure of the port.
bool SetModemLine(int fd, int line, bool on) {
    int bits = line;
    if (ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &bits) == 0) return true;
    return errno == ENOTTY || errno == EINVAL;
}

class PosixSerialLink final : public SerialLink {
public:
    ~PosixSerialLink() override { Close(); }

    bool Open(const std::string& device) override {
        Close();
        const std::string path = ResolvePortDevice(device);
        if (path.empty()) return false;
        fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0) return false;
        // No sharing: a second opener of the same device is refused.
        if (ioctl(fd_, TIOCEXCL) != 0 && errno != ENOTTY && errno != EINVAL) {
            Close();
            return false;
        }
        termios t{};
        if (tcgetattr(fd_, &t) != 0) {
            Close();
            return false;
        }
        cfmakeraw(&t);
        t.c_cflag |= CLOCAL | CREAD;
        t.c_cflag &= ~(CRTSCTS | HUPCL);
        t.c_iflag &= ~(IXON | IXOFF | IXANY);
        t.c_cc[VMIN] = 0;
        t.c_cc[VTIME] = 0;
        if (tcsetattr(fd_, TCSANOW, &t) != 0) {
            Close();
            return false;
        }
        writeLimited_ = false;
        return true;
    }

    bool IsOpen() const override { return fd_ >= 0; }

    void Close() override {
        if (fd_ < 0) return;
        ioctl(fd_, TIOCNXCL);
        ::close(fd_);
        fd_ = -1;
    }

    // termios has no queue sizes to set; the kernel's buffers are larger
    // than a frame and its reply anyway.
    bool SetQueues(std::size_t, std::size_t) override { return IsOpen(); }

    bool Apply(const LineSettings& s) override {
        if (fd_ < 0) return false;
        termios t{};
        if (tcgetattr(fd_, &t) != 0) return false;
        // A rate never set (the settings start all zero) leaves the port's
        // rate alone: B0 would hang the line up.
        if (s.rate != 0) {
            speed_t speed;
            if (!SpeedOfRate(s.rate, speed)) return false;
            cfsetispeed(&t, speed);
            cfsetospeed(&t, speed);
        }
        if (s.byteSize != 0) {
            tcflag_t size;
            if (!CharacterSize(s.byteSize, size)) return false;
            t.c_cflag = (t.c_cflag & ~CSIZE) | size;
        }
        // Parity codes as the Win32 record has them: 0 none, 1 odd, 2 even.
        t.c_cflag &= ~(PARENB | PARODD);
        if (s.parity == 1) t.c_cflag |= PARENB | PARODD;
        else if (s.parity == 2) t.c_cflag |= PARENB;
        else if (s.parity != 0) return false;
        // Stop bits: 0 one, 2 two; termios has no one and a half.
        if (s.stopBits == 0) t.c_cflag &= ~CSTOPB;
        else if (s.stopBits == 2) t.c_cflag |= CSTOPB;
        else return false;
        if (s.ctsOutputFlow) t.c_cflag |= CRTSCTS;
        else t.c_cflag &= ~CRTSCTS;
        if (s.xonXoffOutput) t.c_iflag |= IXON;
        else t.c_iflag &= ~IXON;
        if (tcsetattr(fd_, TCSANOW, &t) != 0) return false;
        return SetModemLine(fd_, TIOCM_DTR, s.dtrOn) && SetModemLine(fd_, TIOCM_RTS, s.rtsOn);
    }

    bool SetTransferTimeouts() override {
        writeLimited_ = true;
        return IsOpen();
    }

    void Purge(bool transmit, bool receive) override {
        if (fd_ < 0) return;
        if (transmit && receive) tcflush(fd_, TCIOFLUSH);
        else if (transmit) tcflush(fd_, TCOFLUSH);
        else if (receive) tcflush(fd_, TCIFLUSH);
    }

    bool Write(const std::uint8_t* bytes, std::size_t count) override {
        if (fd_ < 0) return false;
        std::uint64_t limitMs = kTransferDeadlineMs;
        if (writeLimited_) limitMs = std::min<std::uint64_t>(limitMs, 5 * count + 50);
        return WriteWithin(fd_, bytes, count, static_cast<std::uint32_t>(limitMs));
    }

    int Read(std::uint8_t* buffer, std::size_t capacity, std::uint32_t waitMs) override {
        if (fd_ < 0) return -1;
        return ReadWithin(fd_, buffer, capacity, std::min(waitMs, kTransferDeadlineMs));
    }

private:
    int fd_ = -1;
    bool writeLimited_ = false;  // after SetTransferTimeouts: 5 ms a byte plus 50 ms
};

}  // namespace

std::unique_ptr<SerialLink> MakeSystemSerialLink() { return std::make_unique<PosixSerialLink>(); }

}  // namespace termlink
