// The terminal as the designer's client: the main window follows its zoom and
// stays wholly on its screen, remembers its place and zoom between runs,
// opens the terminal's menu and runs New when Collect data finds nothing to
// run. The offscreen platform has two screens here: "Wide", 1920 x 1440 at
// (0, 0), and "Small", 1024 x 768 at (1920, 0).
#include <fstream>
#include <iterator>

#include <QCoreApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "designer/shell/ui_tests/designer_window_rig.h"
#include "designer/simulator/terminal_layout.h"
#include "designer/simulator/qt/terminal_window.h"

namespace simulator {
namespace {

class TerminalInMainWindowTest : public ::testing::Test, protected shell::testing::DesignerWindowRig {
protected:
    TerminalInMainWindowTest() : terminal(&window->Terminal()) {}

    QPoint At(int x, int y) const {
        return QPoint(static_cast<int>((x + 0.5) * terminal->zoom()), static_cast<int>((y + 0.5) * terminal->zoom()));
    }

    TerminalWindow* terminal;
};

TEST_F(TerminalInMainWindowTest, MainWindowTakesTheZoomedSize) {
    EXPECT_EQ(window->findChild<QWidget*>("Client"), terminal);
    EXPECT_EQ(window->size(), QSize(kPictureWidth, kPictureHeight));
    terminal->setZoom(2.0);
    EXPECT_EQ(window->size(), QSize(400, 918));
    // Re-placing the window after Preferences keeps the zoom.
    window->PlaceWindow();
    EXPECT_EQ(window->size(), QSize(400, 918));
    terminal->zoomReset();
    EXPECT_EQ(window->size(), QSize(kPictureWidth, kPictureHeight));
}

TEST_F(TerminalInMainWindowTest, ZoomKeepsTheWholeTerminalOnTheScreenItIsOn) {
    window->move(2700, 300);  // on Small, near its right edge
    for (int i = 0; i < 10; ++i) QTest::keyClick(terminal, Qt::Key_Equal, Qt::ControlModifier);
    // 1.75 would be 803 pixels high, more than Small's 768.
    EXPECT_DOUBLE_EQ(terminal->zoom(), 1.5);
    EXPECT_EQ(window->size(), QSize(300, 689));
    EXPECT_EQ(window->pos(), QPoint(2644, 79));

    // Dragged up until almost all of it is above the screen, then back to its own size.
    window->move(2644, -600);
    QTest::keyClick(terminal, Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(terminal->zoom(), 1.0);
    EXPECT_EQ(window->pos(), QPoint(2644, 0));

    // On Wide the terminal may grow to three times its size where it stands.
    window->move(300, 50);
    terminal->setZoom(3.0);
    EXPECT_EQ(window->size(), QSize(600, 1377));
    EXPECT_EQ(window->pos(), QPoint(300, 50));
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(TerminalInMainWindowTest, PlaceAndZoomAreRememberedBesideTheSettingsFile) {
    const std::string settingsBefore = ReadText(folder.File("appdata/Velmora/Mostrel.ini"));
    terminal->setZoom(1.5);
    window->move(500, 100);
    ASSERT_TRUE(window->close());
    EXPECT_EQ(ReadText(folder.File("appdata/Velmora/MostrelWindow.ini")), "zoom=150\nx=500\ny=100\n");
    EXPECT_EQ(ReadText(folder.File("appdata/Velmora/Mostrel.ini")), settingsBefore) << "its format is not ours";

    window.reset();
    window = std::make_unique<shell::MainWindow>(session, engine);
    EXPECT_DOUBLE_EQ(window->Terminal().zoom(), 1.5);
    EXPECT_EQ(window->pos(), QPoint(500, 100));
    EXPECT_EQ(window->size(), QSize(300, 689));

    // A place on a screen that is gone: the nearest screen, whole, at a zoom that fits it.
    std::ofstream(folder.File("appdata/Velmora/MostrelWindow.ini"), std::ios::binary) << "zoom=300\nx=5000\ny=-800\n";
    window.reset();
    window = std::make_unique<shell::MainWindow>(session, engine);
    EXPECT_DOUBLE_EQ(window->Terminal().zoom(), 1.5);
    EXPECT_EQ(window->pos(), QPoint(2644, 0));
}

TEST_F(TerminalInMainWindowTest, RightButtonOpensThePopupMenu) {
    QTest::mouseClick(terminal, Qt::RightButton, Qt::NoModifier, At(100, 80));
    EXPECT_TRUE(window->PopupMenu()->isVisible());
    window->PopupMenu()->close();
}

TEST_F(TerminalInMainWindowTest, CollectDataOnANewTaskRunsNew) {
    session.CurrentTask().recordCounter = 7;
    QTest::mouseClick(terminal, Qt::LeftButton, Qt::NoModifier, At(60, 300));  // key 1: Collect data
    ASSERT_EQ(ui.MessageTexts().size(), 1u);
    EXPECT_EQ(ui.MessageTexts()[0], "Please define your program!");
    QCoreApplication::processEvents();
    EXPECT_EQ(propertySheets, 1);
    EXPECT_EQ(session.CurrentTask().recordCounter, 0);
    EXPECT_EQ(engine.Screen().mode, Mode::MainMenu);
}

}  // namespace
}  // namespace simulator
