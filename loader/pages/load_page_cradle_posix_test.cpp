// The load page's "Найти подставку" over a port map in a temporary folder:
// the found port and the cradle link are taken only on OK.
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "loader/pages/form_test_support.h"
#include "loader/pages/load_page.h"

namespace loader::pages {
namespace {

using common::Answer;
using loader::testing::Cp;
using test_support::ShownEvent;
using namespace load_ids;

class LoadPageCradleTest : public ::testing::Test, public testing::FormBench {
protected:
    LoadPageCradleTest() : FormBench({"COM1", "COM3", "COM12"}) {}

    void SetUp() override {
        setenv("MOSTREL_PORT_MAP", folder.File("ports").c_str(), 1);
        setenv("MOSTREL_SYS_CLASS_TTY", folder.File("sys").c_str(), 1);
        std::filesystem::create_directories(folder.File("sys"));
        folder.Link("ports/COM12", "/dev/ttyUSB0");
        folder.Link("ports/COM14", "/dev/ttyUSB1");
        MemoryLink& port = pair.host();
        port.onWrite = [this, &port](const std::vector<std::uint8_t>& bytes) {
            if (port.openedDevice == cradleDevice && bytes == std::vector<std::uint8_t>{0x0F})
                pair.far().Write("\x0F");
        };
        folder.Write("TARVEL.ini", "/t/a.UZX\r0\r3\r4\r");
        form->Start("");
        page().redraw = [this] { banners.push_back(page().State(kSearchBanner).visible); };
    }
    void TearDown() override {
        unsetenv("MOSTREL_PORT_MAP");
        unsetenv("MOSTREL_SYS_CLASS_TTY");
    }

    using MemoryLink = test_support::MemoryLink;
    Page& page() { return *form->PageOf(kLoadTab); }
    int Selection(int id) { return page().State(id).selection; }

    std::string cradleDevice;
    std::vector<bool> banners;
};

TEST_F(LoadPageCradleTest, OkTakesThePortOfTheFoundNumberAndTheCradleLink) {
    cradleDevice = "/dev/ttyUSB0";
    ui.answers = {Answer::Yes};
    page().Click(kFindCradle);
    EXPECT_EQ(banners, (std::vector<bool>{true, false}));
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].kind, ShownEvent::Kind::OkCancelQuestion);
    EXPECT_EQ(ui.events[0].caption, Cp("Подставка найдена"));
    EXPECT_EQ(ui.events[0].text, Cp("Подставка найдена на COM12! Применить настройки?"));
    EXPECT_EQ(Selection(kPortList), 2) << "COM12, not COM1";
    EXPECT_EQ(Selection(kLinkList), 1);
    EXPECT_EQ(form->Settings().portNumber, 12);
}

TEST_F(LoadPageCradleTest, CancelKeepsEverything) {
    cradleDevice = "/dev/ttyUSB0";
    ui.answers = {Answer::No};
    page().Click(kFindCradle);
    EXPECT_EQ(Selection(kPortList), 1);
    EXPECT_EQ(Selection(kLinkList), 0);
    EXPECT_EQ(form->Settings().portNumber, 3);
}

TEST_F(LoadPageCradleTest, APortMissingFromTheListSelectsNoneButTheLinkIsSet) {
    cradleDevice = "/dev/ttyUSB1";
    ui.answers = {Answer::Yes};
    page().Click(kFindCradle);
    EXPECT_EQ(Selection(kPortList), -1);
    EXPECT_EQ(Selection(kLinkList), 1);
    EXPECT_EQ(form->Settings().portNumber, 14);
}

TEST_F(LoadPageCradleTest, NoCradleIsTold) {
    page().Click(kFindCradle);
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{Cp("Подставка не найдена!")}));
    EXPECT_EQ(Selection(kPortList), 1);
    EXPECT_FALSE(page().State(kSearchBanner).visible);
}

}  // namespace
}  // namespace loader::pages
