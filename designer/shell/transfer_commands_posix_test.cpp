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
    Choose(0, 1, -1);  // only a port number: the transfer finds its position
    transfers.DownloadApplication();
    EXPECT_EQ(pair.host().openedDevice, "/dev/ttyFAKE5");
    EXPECT_EQ(session.CurrentPreferences().portPosition, 1);
    EXPECT_FALSE(ProbedTheCradle());
    // Straight to the terminal, which never answers the handshake.
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Terminal is not ready!"});

    ui.events.clear();
    Choose(1, 1, 0);
    transfers.DownloadApplication();
    EXPECT_EQ(pair.host().openedDevice, "/dev/ttyFAKE2");
    EXPECT_TRUE(ProbedTheCradle());
    // Through the cradle, which never echoes its probe.
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Failed to configure IR device!"});
}

}  // namespace
}  // namespace shell
