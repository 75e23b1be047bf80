// uzx ports lists the port map and the system's serial devices as the
// Preferences' port list shows them, one a line.
#include <gtest/gtest.h>

#include "testing/scoped_variable.h"
#include "testing/temp_folder.h"
#include "tools/uzx/test_support.h"

namespace {

TEST(PortsCommand, ListsTheMapAndTheSystemsDevicesInNumberOrder) {
    test_support::TempFolder folder;
    folder.Link("ports/COM3", "/dev/pts/9");
    folder.Link("ports/COM1", "/dev/rfcomm0");
    folder.Link("sys/ttyUSB0/device/driver", "../../../bus/drivers/ftdi_sio");
    test_support::ScopedVariable portMap("MOSTREL_PORT_MAP", folder.File("ports"));
    test_support::ScopedVariable systemPorts("MOSTREL_SYS_CLASS_TTY", folder.File("sys"));

    const uzx::testing::RunResult run = uzx::testing::RunUzx({"ports"});
    EXPECT_EQ(run.status, 0) << run.err;
    // The system's device takes the first number the map leaves free.
    EXPECT_EQ(run.out,
              "COM1 - Bluetooth port (/dev/rfcomm0)\n"
              "COM2 - Virtual port (/dev/ttyUSB0)\n"
              "COM3 - Virtual port (/dev/pts/9)\n");
    EXPECT_EQ(run.err, "");

    EXPECT_EQ(uzx::testing::RunUzx({"ports", "COM1"}).status, 2);
}

TEST(PortsCommand, NoPortsListsNothing) {
    test_support::TempFolder folder;
    test_support::ScopedVariable portMap("MOSTREL_PORT_MAP", folder.File("none"));
    test_support::ScopedVariable systemPorts("MOSTREL_SYS_CLASS_TTY", folder.File("none"));
    const uzx::testing::RunResult run = uzx::testing::RunUzx({"ports"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
}

}  // namespace
