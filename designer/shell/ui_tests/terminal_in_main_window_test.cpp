// The terminal as the designer's client: the main window follows its zoom,
// opens its menu and runs New when Collect data finds nothing to run.
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
