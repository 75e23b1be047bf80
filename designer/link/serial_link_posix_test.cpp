// The termios link over a real pseudo-terminal.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "designer/link/system_serial_link.h"
#include "testing/scoped_variable.h"
#include "testing/temp_folder.h"

namespace termlink {
namespace {

// The far end of a pseudo-terminal: the test holds the master, the link
// under test opens the slave as it would open a serial device.
class PtyMaster {
public:
    PtyMaster() {
        fd_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (fd_ >= 0 && grantpt(fd_) == 0 && unlockpt(fd_) == 0) slave_ = ptsname(fd_);
    }
    ~PtyMaster() { Close(); }
    void Close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    const std::string& Slave() const { return slave_; }
    int Fd() const { return fd_; }

    void Send(const std::string& bytes) const { ASSERT_EQ(::write(fd_, bytes.data(), bytes.size()), (ssize_t)bytes.size()); }
    std::string Receive(std::size_t count) const {
        std::string got;
        while (got.size() < count) {
            pollfd p{fd_, POLLIN, 0};
            if (poll(&p, 1, 2000) <= 0) break;
            char buffer[256];
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n <= 0) break;
            got.append(buffer, static_cast<std::size_t>(n));
        }
        return got;
    }

private:
    int fd_ = -1;
    std::string slave_;
};

long long MsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

LineSettings Line8N1(std::uint32_t rate) {
    LineSettings line;
    line.rate = rate;
    line.byteSize = 8;
    return line;
}

TEST(PosixSerialLink, BytesTravelBothWaysUnchanged) {
    PtyMaster master;
    ASSERT_FALSE(master.Slave().empty());
    auto link = MakeSystemSerialLink();
    ASSERT_TRUE(link->Open(master.Slave()));
    ASSERT_TRUE(link->SetQueues(256, 1200));
    ASSERT_TRUE(link->Apply(Line8N1(115200)));
    ASSERT_TRUE(link->SetTransferTimeouts());

    // Raw mode: CR, LF, XON/XOFF and 0xFF pass as they are.
    const std::string frame("CIPHER\r\n\x11\x13\xff\x00", 12);
    ASSERT_TRUE(link->Write(reinterpret_cast<const std::uint8_t*>(frame.data()), frame.size()));
    EXPECT_EQ(master.Receive(frame.size()), frame);

    master.Send(std::string("8300\rRU\x00\x0e", 9));
    std::string got;
    std::uint8_t buffer[64];
    while (got.size() < 9) {
        const int n = link->Read(buffer, sizeof buffer, 1000);
        ASSERT_GT(n, 0);
        got.append(reinterpret_cast<char*>(buffer), static_cast<std::size_t>(n));
    }
    EXPECT_EQ(got, std::string("8300\rRU\x00\x0e", 9));
}

TEST(PosixSerialLink, LineSettingsReachTheDeviceAndModemLinesAreNoFailure) {
    PtyMaster master;
    auto link = MakeSystemSerialLink();
    ASSERT_TRUE(link->Open(master.Slave()));
    LineSettings line = Line8N1(9600);
    line.dtrOn = true;
    line.rtsOn = true;  // a pseudo-terminal has no modem lines: not an error
    ASSERT_TRUE(link->Apply(line));

    // The pair shares one set of line settings, so the master sees the rate.
    termios t{};
    ASSERT_EQ(tcgetattr(master.Fd(), &t), 0);
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B9600));
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL), 0u);

    LineSettings odd = Line8N1(38400);
    odd.rate = 12345;
    EXPECT_FALSE(link->Apply(odd));
    EXPECT_TRUE(link->Apply(Line8N1(0)));  // rate never set: the port keeps its own
    ASSERT_EQ(tcgetattr(master.Fd(), &t), 0);
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B9600));
}

TEST(PosixSerialLink, AnEmptyReadWaitsItsTimeInTheSystemOnly) {
    PtyMaster master;
    auto link = MakeSystemSerialLink();
    ASSERT_TRUE(link->Open(master.Slave()));
    std::uint8_t b = 0;

    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(link->Read(&b, 1, 0), 0);
    EXPECT_LT(MsSince(start), 100);

    start = std::chrono::steady_clock::now();
    const std::clock_t cpuBefore = std::clock();
    EXPECT_EQ(link->Read(&b, 1, 300), 0);
    const long long waited = MsSince(start);
    EXPECT_GE(waited, 250);
    EXPECT_LT(waited, 1500);
    // Waiting in poll costs next to no processor time; spinning would cost it all.
    EXPECT_LT(static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC, 0.1);

    start = std::chrono::steady_clock::now();
    EXPECT_EQ(link->Read(&b, 1, 60000), 0);  // no wait is longer than the deadline
    EXPECT_LT(MsSince(start), 2500);

    // A byte that comes during the wait ends it.
    master.Send("A");
    start = std::chrono::steady_clock::now();
    EXPECT_EQ(link->Read(&b, 1, 1000), 1);
    EXPECT_EQ(b, 'A');
    EXPECT_LT(MsSince(start), 500);
}

TEST(PosixSerialLink, PurgeDropsWaitingBytesAndAHungUpLineFails) {
    PtyMaster master;
    auto link = MakeSystemSerialLink();
    ASSERT_TRUE(link->Open(master.Slave()));
    master.Send("stale");
    usleep(50 * 1000);
    link->Purge(true, true);
    std::uint8_t buffer[8];
    EXPECT_EQ(link->Read(buffer, sizeof buffer, 100), 0);

    master.Close();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(link->Read(buffer, sizeof buffer, 1000), -1);
    EXPECT_LT(MsSince(start), 500);
    link->Close();
    EXPECT_FALSE(link->IsOpen());
    EXPECT_EQ(link->Read(buffer, sizeof buffer, 0), -1);
}

TEST(PosixSerialLink, OpensByComNameThroughThePortMap) {
    PtyMaster master;
    test_support::TempFolder folder;
    folder.Link("COM9", master.Slave());
    test_support::ScopedVariable portMap("MOSTREL_PORT_MAP", folder.Path());
    auto link = MakeSystemSerialLink();
    EXPECT_TRUE(link->Open("COM9"));
    link->Close();
    EXPECT_TRUE(link->Open("\\\\.\\COM9"));
    EXPECT_FALSE(link->Open("COM8"));
    EXPECT_FALSE(link->Open(folder.File("missing")));
}

}  // namespace
}  // namespace termlink
