#include "tools/vterm/pty_line.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "designer/link/fd_io_posix.h"

namespace vterm {
namespace {

std::uint32_t RateOfSpeed(speed_t speed) {
    switch (speed) {
        case B1200: return 1200;
        case B2400: return 2400;
        case B4800: return 4800;
        case B9600: return 9600;
        case B19200: return 19200;
        case B38400: return 38400;
        case B57600: return 57600;
        case B115200: return 115200;
        default: return 0;
    }
}

}  // namespace

bool PtyLine::Create(std::string& error) {
    Close();
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        Close();
        return false;
    }
    const char* name = ptsname(master_);
    slavePath_ = name ? name : "";
    heldSlave_ = slavePath_.empty() ? -1 : ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios t{};
    if (heldSlave_ < 0 || tcgetattr(heldSlave_, &t) != 0) {
        error = "cannot open the pseudo-terminal's device " + slavePath_ + ": " + std::strerror(errno);
        Close();
        return false;
    }
    // Raw from the start, so nothing is echoed or translated before the host
    // sets its own line settings.
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
    tcsetattr(heldSlave_, TCSANOW, &t);
    return true;
}

std::uint32_t PtyLine::LineRate() const {
    termios t{};
    if (master_ < 0 || tcgetattr(master_, &t) != 0) return 0;
    return RateOfSpeed(cfgetospeed(&t));
}

void PtyLine::Drain(std::uint32_t ms) {
    constexpr std::uint32_t kStepMs = 10;
    // Bytes just written may not have reached the device's queue yet, where
    // they could be counted: give them a moment first.
    usleep(2 * kStepMs * 1000);
    for (std::uint32_t waited = 0; heldSlave_ >= 0 && waited < ms; waited += kStepMs) {
        int unread = 0;
        if (ioctl(heldSlave_, TIOCINQ, &unread) != 0 || unread == 0) return;
        usleep(kStepMs * 1000);
    }
}

void PtyLine::Close() {
    if (master_ >= 0) ::close(master_);
    if (heldSlave_ >= 0) ::close(heldSlave_);
    master_ = heldSlave_ = -1;
}

void PtyLine::Purge(bool transmit, bool receive) {
    if (master_ < 0) return;
    if (transmit && receive) tcflush(master_, TCIOFLUSH);
    else if (transmit) tcflush(master_, TCOFLUSH);
    else if (receive) tcflush(master_, TCIFLUSH);
}

bool PtyLine::Write(const std::uint8_t* bytes, std::size_t count) {
    if (master_ < 0) return false;
    return termlink::WriteWithin(master_, bytes, count, termlink::kTransferDeadlineMs);
}

int PtyLine::Read(std::uint8_t* buffer, std::size_t capacity, std::uint32_t waitMs) {
    if (stop_ && *stop_) Close();
    if (master_ < 0) return -1;
    const int n = termlink::ReadWithin(master_, buffer, capacity, waitMs);
    if (stop_ && *stop_) Close();
    return n;
}

}  // namespace vterm
