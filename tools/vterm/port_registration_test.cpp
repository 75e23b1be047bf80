#include "tools/vterm/port_registration.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "testing/temp_folder.h"

namespace vterm {
namespace {

namespace fs = std::filesystem;

class PortRegistrationTest : public ::testing::Test {
protected:
    std::string Ports() const { return folder.File("ports"); }
    std::string LinkTarget(const std::string& name) const {
        std::error_code error;
        return fs::read_symlink(folder.File("ports/" + name), error).string();
    }
    bool Register(PortRegistration& registration, const std::string& name, const std::string& device) {
        error.clear();
        note.clear();
        return registration.Register(Ports(), name, device, error, note);
    }

    test_support::TempFolder folder;
    std::string error;
    std::string note;
};

TEST_F(PortRegistrationTest, ANameHeldByARunningVtermOrByHandIsLeftAlone) {
    PortRegistration first;
    ASSERT_TRUE(Register(first, "COM7", "/dev/pts/41"));
    EXPECT_EQ(first.ComName(), "COM7");
    EXPECT_TRUE(note.empty());

    PortRegistration second;
    EXPECT_FALSE(Register(second, "COM7", "/dev/pts/42"));
    EXPECT_EQ(error, "COM7 is already in the port map " + Ports());
    EXPECT_EQ(LinkTarget("COM7"), "/dev/pts/41");

    // A link the user made to a device that exists.
    fs::create_symlink("/dev/null", folder.File("ports/COM1"));
    EXPECT_FALSE(Register(second, "COM1", "/dev/pts/42"));
    EXPECT_EQ(LinkTarget("COM1"), "/dev/null");

    // Without a name the lowest free one is taken.
    ASSERT_TRUE(Register(second, "", "/dev/pts/42"));
    EXPECT_EQ(second.ComName(), "COM2");

    // Ending removes the link and its lock, and only its own.
    first.Remove();
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder.File("ports/COM7"))));
    EXPECT_FALSE(fs::exists(folder.File("ports/.COM7.lock")));
    EXPECT_EQ(LinkTarget("COM1"), "/dev/null");
    EXPECT_EQ(LinkTarget("COM2"), "/dev/pts/42");
}

TEST_F(PortRegistrationTest, ALinkLeftByAKilledVtermIsTakenOverWithANote) {
    // What a killed vterm leaves: its link, and its lock file that nobody holds.
    // The pseudo-terminal's number was given to another program since, so the device exists.
    folder.Write("ports/.COM7.lock", "");
    fs::create_symlink("/dev/null", folder.File("ports/COM7"));
    PortRegistration registration;
    ASSERT_TRUE(Register(registration, "COM7", "/dev/pts/43"));
    EXPECT_EQ(LinkTarget("COM7"), "/dev/pts/43");
    EXPECT_EQ(note, "COM7 was left in the port map by a vterm that did not end cleanly (it named /dev/null); "
                    "it is taken over");

    // A link to a device that is gone is stale too, lock or no lock.
    fs::create_symlink("/dev/no-such-pts", folder.File("ports/COM1"));
    PortRegistration another;
    ASSERT_TRUE(Register(another, "", "/dev/pts/44"));
    EXPECT_EQ(another.ComName(), "COM1");
    EXPECT_FALSE(note.empty());
}

TEST_F(PortRegistrationTest, TheSystemsOwnDevicesKeepTheirNames) {
    // COM1 and COM2 are the system's devices; COM3 a stale map link, which may be taken over.
    folder.Link("ports/COM3", "/dev/no-such-pts");
    PortRegistration registration;
    ASSERT_TRUE(Register(registration, "", "/dev/pts/46"));  // without a list: the lowest free name
    EXPECT_EQ(registration.ComName(), "COM1");
    registration.Remove();
    error.clear();
    ASSERT_TRUE(registration.Register(Ports(), "", "/dev/pts/46", error, note, {"COM1", "COM2", "COM3"}));
    EXPECT_EQ(registration.ComName(), "COM3");
    EXPECT_FALSE(note.empty());

    PortRegistration named;
    EXPECT_FALSE(named.Register(Ports(), "COM2", "/dev/pts/47", error, note, {"COM1", "COM2", "COM3"}));
    EXPECT_EQ(error, "COM2 names one of the system's own serial devices in the port list");
}

TEST_F(PortRegistrationTest, OnlyComNamesAreTaken) {
    PortRegistration registration;
    for (const char* name : {"COM0", "COM", "COM12345", "LPT1", "com7"}) {
        EXPECT_FALSE(Register(registration, name, "/dev/pts/45")) << name;
        EXPECT_EQ(error, std::string("not a COM name: ") + name);
    }
    EXPECT_TRUE(IsComName("COM9999"));
}

}  // namespace
}  // namespace vterm
