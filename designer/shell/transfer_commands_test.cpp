#include "designer/shell/transfer_commands.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "testing/scripted_ui.h"
#include "testing/memory_link.h"
#include "designer/task/test_support.h"
#include "testing/temp_folder.h"

namespace shell {
namespace {

using test_support::ShownEvent;
using test_support::TempFolder;

// A port map of COM2 and COM5 and no system devices; the terminal never answers.
class TransferCommandsTest : public ::testing::Test {
protected:
    TransferCommandsTest() {
        setenv("APPDATA", folder.File("appdata").c_str(), 1);
        setenv("MOSTREL_PORT_MAP", folder.File("ports").c_str(), 1);
        setenv("MOSTREL_SYS_CLASS_TTY", folder.File("no-tty").c_str(), 1);
        std::filesystem::create_directories(folder.File("ports"));
        std::filesystem::create_symlink("/dev/ttyFAKE2", folder.File("ports/COM2"));
        std::filesystem::create_symlink("/dev/ttyFAKE5", folder.File("ports/COM5"));
        session.Start();
    }
    ~TransferCommandsTest() override {
        unsetenv("APPDATA");
        unsetenv("MOSTREL_PORT_MAP");
        unsetenv("MOSTREL_SYS_CLASS_TTY");
    }

    void Choose(int downloadVia, int receiveVia, int portPosition, int comPort) {
        Preferences p = session.CurrentPreferences();
        p.downloadVia = downloadVia;
        p.receiveVia = receiveVia;
        p.portPosition = portPosition;
        p.comPort = comPort;
        session.ApplyPreferences(p);
    }

    bool ProbedTheCradle() {
        const auto& writes = pair.host().writes;
        return std::any_of(writes.begin(), writes.end(),
                           [](const auto& w) { return w.size() == 1 && w[0] == 0x0F; });
    }

    TempFolder folder;
    test_support::ScriptedUi ui;
    DesignerSession session{ui, folder.Path()};
    common::TestClock clock;
    test_support::MemoryLinkPair pair{clock};
    TransferCommands transfers{session, pair.host(), clock};
};

TEST_F(TransferCommandsTest, DownloadUsesThePreferredPortAndLinkType) {
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

TEST_F(TransferCommandsTest, APortThatMovedIsFollowedAndAGonePortIsNamed) {
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

TEST_F(TransferCommandsTest, UnknownLinkTypesDoNothing) {
    Choose(7, 5, 0, 2);
    transfers.DownloadApplication();
    transfers.DownloadLookupFile();
    transfers.ReceiveData();
    EXPECT_TRUE(pair.host().ops.empty());
    EXPECT_TRUE(ui.events.empty());

    Choose(7, 2, 0, 2);
    transfers.ReceiveData();  // asks for the data file; cancelled
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].kind, ShownEvent::Kind::SaveChooser);
    EXPECT_TRUE(pair.host().ops.empty());
}

}  // namespace
}  // namespace shell
