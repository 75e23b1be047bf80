#include "designer/link/port_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace termlink {
namespace {

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

}  // namespace
}  // namespace termlink
