#include "designer/link/port_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "designer/link/protocol.h"
#include "testing/memory_link.h"
#include "testing/temp_folder.h"

namespace termlink {
namespace {

using test_support::MemoryLink;
using test_support::MemoryLinkPair;

TEST(PortKinds, RegistryDevicePathsByTheirLastPart) {
    EXPECT_EQ(KindOfRegistryDevice("\\Device\\Serial0"), kSerialPort);
    EXPECT_EQ(KindOfRegistryDevice("\\device\\sERIAL2"), kSerialPort);
    EXPECT_EQ(KindOfRegistryDevice("\\Device\\BthModem0"), kBluetoothPort);
    EXPECT_EQ(KindOfRegistryDevice("\\Device\\VCP0"), kVirtualPort);
    EXPECT_EQ(KindOfRegistryDevice("\\Device\\"), kVirtualPort);
    EXPECT_EQ(KindOfRegistryDevice("Serial0"), kUnknownPort);

    EXPECT_EQ(KindOfDeviceNode("/dev/rfcomm0"), kBluetoothPort);
    EXPECT_EQ(KindOfDeviceNode("/dev/ttyS1"), kSerialPort);
    EXPECT_EQ(KindOfDeviceNode("/dev/ttyUSB0"), kVirtualPort);
    EXPECT_EQ(KindOfDeviceNode("/dev/pts/4"), kVirtualPort);
    EXPECT_EQ(KindLabel(kUnknownPort), "Unknown port");
    EXPECT_EQ(KindLabel(kBluetoothPort), "Bluetooth port");
}

TEST(PortChoice, TheStoredPortIsFoundByItsNumberWhenTheListMoved) {
    EXPECT_EQ(PortNumberOf("COM7"), 7);
    EXPECT_EQ(PortNumberOf("com12"), 12);
    EXPECT_EQ(PortNumberOf("CNCA0"), 0);
    EXPECT_EQ(PortNumberOf("COMX"), 0);

    const std::vector<std::string> before{"COM1", "COM5"};
    const std::vector<std::string> after{"COM1", "COM3", "COM5"};  // a port came before COM5
    EXPECT_EQ(FindChosenPort(before, 1, 5), 1);
    EXPECT_EQ(FindChosenPort(after, 1, 5), 2);
    EXPECT_EQ(FindChosenPort({"COM1", "COM3"}, 1, 5), -1);  // COM5 is gone
    EXPECT_EQ(FindChosenPort({}, 0, 5), -1);
    // Settings of a number alone, and of a position alone (a port without a number).
    EXPECT_EQ(FindChosenPort(after, -1, 3), 1);
    EXPECT_EQ(FindChosenPort({"CNCA0", "CNCB0"}, 1, 0), 1);
    EXPECT_EQ(FindChosenPort(after, 7, 0), -1);
}

TEST(PortKinds, ListLinesShowDeviceNodesButNotKernelNames) {
    EXPECT_EQ(PortListLine({"COM3", "\\Device\\Serial0", kSerialPort}), "COM3 - Serial port");
    EXPECT_EQ(PortListLine({"COM7", "/dev/pts/3", kVirtualPort}), "COM7 - Virtual port (/dev/pts/3)");
    EXPECT_EQ(PortListLine({"COM9", "", kUnknownPort}), "COM9 - Unknown port");
}

#ifndef _WIN32

// The port map and the system's tty classes both in a temporary folder.
class PortListTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("MOSTREL_PORT_MAP", folder.File("ports").c_str(), 1);
        setenv("MOSTREL_SYS_CLASS_TTY", folder.File("sys").c_str(), 1);
        std::filesystem::create_directories(folder.File("ports"));
        std::filesystem::create_directories(folder.File("sys"));
    }
    void TearDown() override {
        unsetenv("MOSTREL_PORT_MAP");
        unsetenv("MOSTREL_SYS_CLASS_TTY");
    }
    void SysPort(const std::string& name, const std::string& driver, const std::string& type) {
        if (!driver.empty()) folder.Link("sys/" + name + "/device/driver", "../../../bus/drivers/" + driver);
        if (!type.empty()) folder.Write("sys/" + name + "/type", type + "\n");
        std::filesystem::create_directories(folder.File("sys/" + name));
    }

    test_support::TempFolder folder;
};

TEST_F(PortListTest, MapAndSystemDevicesInNumberOrder) {
    folder.Link("ports/COM3", "/dev/pts/9");
    folder.Link("ports/COM1", "/dev/ttyUSB0");
    folder.Write("ports/notes.txt", "not a port");
    SysPort("ttyS0", "serial8250", "0");  // a placeholder without a chip
    SysPort("ttyS1", "serial8250", "4");
    SysPort("ttyS10", "serial", "");
    SysPort("ttyS2", "serial", "");
    SysPort("ttyUSB0", "", "");           // already in the map
    SysPort("ttyACM0", "", "");
    SysPort("rfcomm0", "", "");
    SysPort("tty1", "", "");
    SysPort("console", "", "");

    // The system's devices take the numbers the map leaves free, in their own order.
    std::vector<std::string> lines;
    int position = 5;
    ASSERT_EQ(ListSerialPorts(&lines, &position, 3), 7);
    EXPECT_EQ(position, 5);  // a chosen position stays
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "COM1 - Virtual port (/dev/ttyUSB0)",
                         "COM2 - Serial port (/dev/ttyS1)",
                         "COM3 - Virtual port (/dev/pts/9)",
                         "COM4 - Serial port (/dev/ttyS2)",
                         "COM5 - Serial port (/dev/ttyS10)",
                         "COM6 - Virtual port (/dev/ttyACM0)",
                         "COM7 - Bluetooth port (/dev/rfcomm0)",
                     }));

    position = -1;
    ListSerialPorts(nullptr, &position, 3);
    EXPECT_EQ(position, 2);  // settings with only a port number find it
    position = -1;
    ListSerialPorts(nullptr, &position, 9);
    EXPECT_EQ(position, -1);

    EXPECT_EQ(GetSerialPort(6).kind, kBluetoothPort);
    EXPECT_EQ(GetSerialPort(7).kind, kNoPort);
    EXPECT_EQ(GetSerialPort(-1).kind, kNoPort);

    EXPECT_EQ(ResolvePortDevice("COM3"), "/dev/pts/9");
    EXPECT_EQ(ResolvePortDevice("\\\\.\\COM4"), "/dev/ttyS2");
    EXPECT_EQ(ResolvePortDevice("/dev/ttyUSB3"), "/dev/ttyUSB3");
    EXPECT_EQ(ResolvePortDevice("COM8"), "");
}

TEST_F(PortListTest, ASystemDeviceKeepsItsNameWhenAVirtualTerminalComesOrGoes) {
    SysPort("ttyS0", "serial", "");
    SysPort("ttyUSB0", "", "");
    const auto names = [] {
        std::vector<std::string> lines;
        ListSerialPorts(&lines, nullptr, 0);
        return lines;
    };
    const std::vector<std::string> alone{"COM1 - Serial port (/dev/ttyS0)", "COM2 - Virtual port (/dev/ttyUSB0)"};
    EXPECT_EQ(names(), alone);
    folder.Link("ports/COM7", "/dev/pts/3");
    EXPECT_EQ(names(), (std::vector<std::string>{"COM1 - Serial port (/dev/ttyS0)", "COM2 - Virtual port (/dev/ttyUSB0)",
                                                 "COM7 - Virtual port (/dev/pts/3)"}));
    std::filesystem::remove(folder.File("ports/COM7"));
    EXPECT_EQ(names(), alone);
}

TEST_F(PortListTest, NoPortsAtAllGivesAnEmptyListAndNoCradle) {
    std::vector<std::string> lines{"stale"};
    EXPECT_EQ(ListSerialPorts(&lines, nullptr, 1), 0);
    EXPECT_TRUE(lines.empty());

    common::TestClock clock;
    MemoryLinkPair pair(clock);
    std::string name = "unchanged";
    EXPECT_EQ(DetectCradle(pair.host(), clock, name), -1);
    EXPECT_EQ(name, "unchanged");
}

TEST_F(PortListTest, DetectionSkipsBluetoothAndFindsTheCradlePromptly) {
    folder.Link("ports/COM1", "/dev/ttyUSB0");
    folder.Link("ports/COM2", "/dev/rfcomm0");
    folder.Link("ports/COM3", "/dev/pts/9");

    common::TestClock clock;
    MemoryLinkPair pair(clock);
    MemoryLink& host = pair.host();
    host.onWrite = [&](const std::vector<std::uint8_t>& bytes) {
        const LineSettings line = host.Current();
        if (host.openedDevice == "/dev/pts/9" && !line.rtsOn && line.rate == 57600 && bytes[0] == wire::kCradleProbe)
            pair.far().Write("\x0F");
    };
    std::string name;
    EXPECT_EQ(DetectCradle(host, clock, name), 2);
    EXPECT_EQ(name, "COM3");
    EXPECT_EQ(std::count(host.ops.begin(), host.ops.end(), MemoryLink::Op::Open), 2);
    EXPECT_FALSE(host.IsOpen());
    // The probes go 9600, 115200, 38400, 57600 with RTS off for each.
    EXPECT_EQ(host.Written(), std::string(5 + 4, '\x0F'));

    // An echo later than the pause after the probe is no answer.
    MemoryLinkPair slowPair(clock);
    slowPair.far().answerDelayMs = 101;
    slowPair.host().onWrite = [&](const std::vector<std::uint8_t>&) { slowPair.far().Write("\x0F"); };
    EXPECT_EQ(DetectCradle(slowPair.host(), clock, name), -1);
}

TEST_F(PortListTest, DetectionTellsEachPortAndStopsWhenAsked) {
    folder.Link("ports/COM1", "/dev/ttyUSB0");
    folder.Link("ports/COM2", "/dev/rfcomm0");
    folder.Link("ports/COM3", "/dev/pts/9");
    folder.Link("ports/COM4", "/dev/pts/10");

    common::TestClock clock;
    MemoryLinkPair pair(clock);
    std::vector<std::string> told;
    std::string name;
    // Nobody answers: every port but the Bluetooth one is told, then tried.
    StopRequest never;
    EXPECT_EQ(DetectCradle(pair.host(), clock, name, &never, [&](const std::string& port) { told.push_back(port); }),
              -1);
    EXPECT_EQ(told, (std::vector<std::string>{"COM1", "COM3", "COM4"}));
    const std::uint64_t wholeSearch = clock.NowMs();

    // Asked to stop during the first port: no other port is opened, and it ends at once.
    told.clear();
    const std::uint64_t start = clock.NowMs();
    StopRequest stop([&] { return clock.NowMs() - start >= 250; });
    EXPECT_EQ(DetectCradle(pair.host(), clock, name, &stop, [&](const std::string& port) { told.push_back(port); }),
              -1);
    EXPECT_EQ(told, std::vector<std::string>{"COM1"});
    EXPECT_LE(clock.NowMs() - start, 250u + kStopPollMs);
    EXPECT_LT(clock.NowMs() - start, wholeSearch / 3);
    EXPECT_FALSE(pair.host().IsOpen());
}

#endif

}  // namespace
}  // namespace termlink
