// The Win32 link on a real line whose far end sends back every byte it
// gets. Only a Windows program can open the port and only the machine around
// it can provide the line, so this runs when MOSTREL_ECHO_PORT names one:
// under Wine, tools/uzx/wine links a COM name to a pseudo-terminal and
// echoes on its other side.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "common/environment.h"
#include "designer/link/system_serial_link.h"

namespace termlink {
namespace {

long long MsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

class Win32SerialLink : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string port = common::Environment("MOSTREL_ECHO_PORT");
        if (port.empty()) GTEST_SKIP() << "no echoing line named by MOSTREL_ECHO_PORT";
        ASSERT_TRUE(link->Open(port));
        ASSERT_TRUE(link->SetQueues(256, 1200));
        LineSettings line;
        line.rate = 115200;
        line.byteSize = 8;
        ASSERT_TRUE(link->Apply(line));
        ASSERT_TRUE(link->SetTransferTimeouts());
        link->Purge(true, true);
    }

    bool Send(const std::string& bytes) {
        return link->Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }

    // Reads until `count` bytes came or a read found nothing within its wait.
    std::string Receive(std::size_t count, std::uint32_t waitMs = 1000) {
        std::string got;
        std::uint8_t buffer[256];
        while (got.size() < count) {
            const int n = link->Read(buffer, sizeof buffer, waitMs);
            if (n <= 0) break;
            got.append(reinterpret_cast<char*>(buffer), static_cast<std::size_t>(n));
        }
        return got;
    }

    std::unique_ptr<SerialLink> link = MakeSystemSerialLink();
};

TEST_F(Win32SerialLink, AReadReturnsWhatCameWithoutWaitingForMore) {
    ASSERT_TRUE(Send("ACK"));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the echo is waiting now
    const auto start = std::chrono::steady_clock::now();
    std::uint8_t buffer[256];
    EXPECT_EQ(link->Read(buffer, sizeof buffer, 1000), 3) << "the three bytes there, though 256 fit";
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 3), "ACK");
    // A read that waited out its second for the rest would be a second a frame.
    EXPECT_LT(MsSince(start), 500);

    // Sent and read at once: the read waits for the first byte and no longer.
    const auto again = std::chrono::steady_clock::now();
    ASSERT_TRUE(Send("FULL"));
    EXPECT_EQ(Receive(4), "FULL");
    EXPECT_LT(MsSince(again), 500);
}

TEST_F(Win32SerialLink, NothingArrivingWaitsTheWaitAndGivesNothing) {
    std::uint8_t buffer[16];
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(link->Read(buffer, sizeof buffer, 0), 0);
    EXPECT_LT(MsSince(start), 200) << "no wait means none";

    start = std::chrono::steady_clock::now();
    EXPECT_EQ(link->Read(buffer, sizeof buffer, 300), 0);
    const long long waited = MsSince(start);
    EXPECT_GE(waited, 250);
    EXPECT_LT(waited, 1000);

    // The port is as good as before: the cancelled read lost nothing.
    ASSERT_TRUE(Send("NAK"));
    EXPECT_EQ(Receive(3), "NAK");
}

TEST_F(Win32SerialLink, EveryByteValueTravelsInOrderAcrossReads) {
    std::string frame;
    for (int round = 0; round < 4; ++round) {
        for (int value = 0; value < 256; ++value) frame += static_cast<char>(value);
    }
    // In pieces of a task block's size, as a download writes them.
    for (std::size_t at = 0; at < frame.size(); at += 103) ASSERT_TRUE(Send(frame.substr(at, 103)));
    EXPECT_EQ(Receive(frame.size()), frame);

    link->Close();
    std::uint8_t buffer[4];
    EXPECT_EQ(link->Read(buffer, sizeof buffer, 0), -1);
    EXPECT_FALSE(Send("x"));
}

}  // namespace
}  // namespace termlink
