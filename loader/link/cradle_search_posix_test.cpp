// The loader's cradle search over a port map in a temporary folder and the
// in-memory link.
#include "loader/link/cradle_search.h"

#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "loader/test_support.h"
#include "testing/memory_link.h"
#include "testing/scripted_ui.h"
#include "testing/temp_folder.h"

namespace loader {
namespace {

using common::Answer;
using common::MessageIcon;
using test_support::MemoryLink;
using test_support::ShownEvent;
using testing::Cp;

class CradleSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("MOSTREL_PORT_MAP", folder.File("ports").c_str(), 1);
        setenv("MOSTREL_SYS_CLASS_TTY", folder.File("sys").c_str(), 1);
        std::filesystem::create_directories(folder.File("ports"));
        std::filesystem::create_directories(folder.File("sys"));
        // A port map the loader reads: a Bluetooth port, a port of unknown
        // kind (no device behind the name), and a virtual port numbered 12.
        folder.Link("ports/COM1", "/dev/rfcomm0");
        folder.Write("ports/COM2", "not a link");
        folder.Link("ports/COM12", "/dev/ttyUSB0");
        port.onWrite = [this](const std::vector<std::uint8_t>& bytes) {
            if (port.openedDevice == cradleDevice && !port.Current().rtsOn && bytes == std::vector<std::uint8_t>{0x0F})
                pair.far().Write("\x0F");
        };
    }
    void TearDown() override {
        unsetenv("MOSTREL_PORT_MAP");
        unsetenv("MOSTREL_SYS_CLASS_TTY");
    }

    int Opens() const { return static_cast<int>(std::count(port.ops.begin(), port.ops.end(), MemoryLink::Op::Open)); }

    test_support::TempFolder folder;
    common::TestClock clock;
    test_support::MemoryLinkPair pair{clock};
    MemoryLink& port = pair.host();
    std::string cradleDevice;  // where the cradle sits
    test_support::ScriptedUi ui;
    std::vector<bool> banner;
    std::function<void(bool)> showBanner = [this](bool shown) { banner.push_back(shown); };
};

TEST_F(CradleSearchTest, TheCradlesPortIsGivenByItsNumber) {
    cradleDevice = "/dev/ttyUSB0";
    std::string name;
    EXPECT_EQ(DetectCradleLoader(port, clock, name), 12);
    EXPECT_EQ(name, "COM12");
    EXPECT_EQ(Opens(), 2) << "COM2 and COM12; never the Bluetooth port";
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(CradleSearchTest, APortOfUnknownKindIsProbedToo) {
    cradleDevice = "COM2";  // opened by its name: the map names no device for it
    std::string name;
    EXPECT_EQ(DetectCradleLoader(port, clock, name), 2);
    EXPECT_EQ(name, "COM2");
}

TEST_F(CradleSearchTest, ABluetoothPortIsNeverProbed) {
    cradleDevice = "/dev/rfcomm0";
    std::string name = "unchanged";
    EXPECT_EQ(DetectCradleLoader(port, clock, name), -1);
    EXPECT_EQ(name, "unchanged");
    // Both other ports at all five rates.
    EXPECT_EQ(port.Written(), std::string(10, '\x0F'));
}

TEST_F(CradleSearchTest, FoundAndTakenOnlyOnOk) {
    cradleDevice = "/dev/ttyUSB0";
    ui.answers = {Answer::Yes};  // OK
    EXPECT_EQ(FindCradle(ui, port, clock, showBanner), 12);
    EXPECT_EQ(banner, (std::vector<bool>{true, false}));
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].kind, ShownEvent::Kind::OkCancelQuestion);
    EXPECT_EQ(ui.events[0].caption, Cp("Подставка найдена"));
    EXPECT_EQ(ui.events[0].text, Cp("Подставка найдена на COM12! Применить настройки?"));
    EXPECT_EQ(ui.events[0].icon, MessageIcon::Information);

    ui.answers = {Answer::Cancel};
    EXPECT_EQ(FindCradle(ui, port, clock, showBanner), std::nullopt) << "Cancel keeps the page's choices";
}

TEST_F(CradleSearchTest, NotFoundIsTold) {
    EXPECT_EQ(FindCradle(ui, port, clock, showBanner), std::nullopt);
    EXPECT_EQ(banner, (std::vector<bool>{true, false}));
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].kind, ShownEvent::Kind::Message);
    EXPECT_EQ(ui.events[0].text, Cp("Подставка не найдена!"));
    EXPECT_EQ(ui.events[0].caption, "Tarvel");
}

}  // namespace
}  // namespace loader
