// The transfer commands find their port in a port map of COM2 and COM5 with
// no system devices behind it.
#include <filesystem>

#include <gtest/gtest.h>

#include "designer/shell/transfer_commands_test_support.h"

namespace shell {
namespace {

class TransferPortTest : public testing::TransferCommandsRig {
protected:
    TransferPortTest() {
        std::filesystem::create_directories(folder.File("ports"));
        std::filesystem::create_symlink("/dev/ttyFAKE2", folder.File("ports/COM2"));
        std::filesystem::create_symlink("/dev/ttyFAKE5", folder.File("ports/COM5"));
    }

    test_support::ScopedVariable portMap{"MOSTREL_PORT_MAP", folder.File("ports")};
    test_support::ScopedVariable noSystemPorts{"MOSTREL_SYS_CLASS_TTY", folder.File("no-tty")};
};

TEST_F(TransferPortTest, DownloadUsesThePreferredPortAndLinkType) {
    Choose(0, 1, -1, 5);  // only a port number: the transfer finds its position
    transfers.DownloadApplication();
    EXPECT_EQ(pair.host().openedDevice, "/dev/ttyFAKE5");
    EXPECT_EQ(session.CurrentPreferences().portPosition, 1);
    EXPECT_FALSE(ProbedTheCradle());
    // Straight to the terminal, which never answers the handshake; the message names the port.
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Terminal is not ready!\r\nPort: COM5"});

    ui.events.clear();
    Choose(1, 1, 0, 2);
    transfers.DownloadApplication();
    EXPECT_EQ(pair.host().openedDevice, "/dev/ttyFAKE2");
    EXPECT_TRUE(ProbedTheCradle());
    // Through the cradle, which never echoes its probe.
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Failed to configure IR device!\r\nPort: COM2"});
}

TEST_F(TransferPortTest, APortThatMovedIsFollowedAndAGonePortIsNamed) {
    Choose(0, 0, 1, 5);  // COM5, second in the list when it was chosen
    // Another port comes before it: the second position is now COM3.
    std::filesystem::create_symlink("/dev/ttyFAKE3", folder.File("ports/COM3"));
    transfers.DownloadApplication();
    EXPECT_EQ(pair.host().openedDevice, "/dev/ttyFAKE5");
    EXPECT_EQ(session.CurrentPreferences().portPosition, 2);
    EXPECT_EQ(session.CurrentPreferences().comPort, 5);

    // COM5 goes away: nothing is opened, and the user learns which port is missing.
    std::filesystem::remove(folder.File("ports/COM5"));
    ui.events.clear();
    pair.host().ops.clear();
    transfers.ReceiveData();
    EXPECT_TRUE(pair.host().ops.empty());
    ASSERT_EQ(ui.events.size(), 1u);  // not even the file chooser
    EXPECT_EQ(ui.events[0].caption, "Error");
    EXPECT_EQ(ui.events[0].text,
              "The COM port chosen in Preferences is not there any more. Please choose one in Preferences."
              "\r\nPort: COM5");
    EXPECT_EQ(ui.events[0].icon, common::MessageIcon::Warning);
}

TEST_F(TransferPortTest, ReceivingOverIrdaAsksForTheDataFileFirst) {
    Choose(7, 2, 0, 2);
    transfers.ReceiveData();  // asks for the data file; cancelled
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].kind, test_support::ShownEvent::Kind::SaveChooser);
    EXPECT_TRUE(pair.host().ops.empty());
}

}  // namespace
}  // namespace shell
