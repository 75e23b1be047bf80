#include "designer/link/port_list.h"

#include <gtest/gtest.h>

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

TEST(PortKinds, ListLinesShowDeviceNodesButNotKernelNames) {
    EXPECT_EQ(PortListLine({"COM3", "\\Device\\Serial0", kSerialPort}), "COM3 - Serial port");
    EXPECT_EQ(PortListLine({"COM7", "/dev/pts/3", kVirtualPort}), "COM7 - Virtual port (/dev/pts/3)");
    EXPECT_EQ(PortListLine({"COM9", "", kUnknownPort}), "COM9 - Unknown port");
}

}  // namespace
}  // namespace termlink
