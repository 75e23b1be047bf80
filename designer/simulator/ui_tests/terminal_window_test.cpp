// The terminal window over a real engine and a new task, driven by clicks on
// the keys' hit rectangles.
#include <QCoreApplication>
#include <QImage>
#include <QWheelEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <gtest/gtest.h>

#include <set>

#include "testing/scripted_ui.h"
#include "designer/simulator/engine.h"
#include "designer/simulator/local_time.h"
#include "designer/simulator/qt/terminal_window.h"
#include "designer/simulator/terminal_layout.h"
#include "designer/strings/english_table.h"
#include "designer/task/test_support.h"

namespace simulator {
namespace {

class FixedTime final : public LocalTime {
public:
    CivilTime Now() override { return {2024, 1, 7, 9, 5, 0}; }
};

class TerminalWindowTest : public testing::Test {
protected:
    TerminalWindowTest() {
        task.model = task::testing::FreshTask();
        window.show();
    }

    // Clicks the middle of the part of the key's rectangle the hit test gives it.
    void Click(int key, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&window, button, Qt::NoModifier, KeyCentre(key));
    }

    QPoint KeyCentre(int key) const {
        const Rect hit = FindKeyPlace(key)->hit;
        for (int y = (hit.top + hit.bottom) / 2; y <= hit.bottom; ++y) {
            const int x = (hit.left + hit.right) / 2;
            if (KeyAt(x, y) == key) return ToWindow(x, y);
        }
        ADD_FAILURE() << "key " << key << " has no point of its own";
        return {};
    }

    QPoint ToWindow(int x, int y) const {
        return QPoint(static_cast<int>((x + 0.5) * window.zoom()), static_cast<int>((y + 0.5) * window.zoom()));
    }

    std::string Line(int i) const { return engine.Screen().lines[i]; }

    task::Task task;
    text::StringTable strings = strings::MakeStringTable();
    test_support::ScriptedUi ui;
    FixedTime time;
    Engine engine{task, strings, ui, time};
    TerminalWindow window{engine};
};

TEST_F(TerminalWindowTest, IsTheClientWindowOfThePicturesSize) {
    EXPECT_EQ(window.objectName(), QStringLiteral("Client"));
    EXPECT_EQ(window.size(), QSize(kPictureWidth, kPictureHeight));
}

TEST_F(TerminalWindowTest, ArrowKeysMoveTheMainMenuHighlight) {
    engine.RestartAtMainMenu();
    ASSERT_EQ(engine.Screen().mode, Mode::MainMenu);
    Click(22);
    EXPECT_EQ(engine.Screen().highlight, 1);
    Click(22);
    EXPECT_EQ(engine.Screen().highlight, 2);
    Click(19);
    Click(19);
    EXPECT_EQ(engine.Screen().highlight, 3);  // 1 wraps to 3
    // Key 18 does nothing anywhere.
    Click(18);
    EXPECT_EQ(engine.Screen().highlight, 3);
    EXPECT_EQ(engine.Screen().mode, Mode::MainMenu);
}

TEST_F(TerminalWindowTest, EnterOnSystemMenuAndEscBack) {
    engine.RestartAtMainMenu();
    Click(3);
    EXPECT_EQ(engine.Screen().mode, Mode::SystemMenu);
    EXPECT_EQ(engine.Screen().highlight, 1);
    Click(21);
    EXPECT_EQ(engine.Screen().mode, Mode::MainMenu);
    EXPECT_EQ(engine.Screen().highlight, 3);
}

TEST_F(TerminalWindowTest, CollectDataOnANewTaskAsksForAProgram) {
    QSignalSpy newTask(&window, &TerminalWindow::newTaskRequested);
    window.RestartAtMainMenu();
    Click(22);  // highlight 1: Collect data
    Click(17);
    ASSERT_EQ(ui.MessageTexts().size(), 1u);
    EXPECT_EQ(ui.MessageTexts()[0], "Please define your program!");
    EXPECT_EQ(window.pressedKey(), 0);
    // New is posted, so it runs once the click is over.
    EXPECT_EQ(newTask.count(), 0);
    EXPECT_TRUE(newTask.wait(1000));
    EXPECT_EQ(newTask.count(), 1);
}

TEST_F(TerminalWindowTest, PressedImageOnlyWhileTheButtonIsDown) {
    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, KeyCentre(5));
    EXPECT_EQ(window.pressedKey(), 5);
    // Moving while a key is held does not drag the window.
    const QPoint before = window.pos();
    QTest::mouseMove(&window, KeyCentre(5) + QPoint(40, 40));
    EXPECT_EQ(window.pos(), before);
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, KeyCentre(5) + QPoint(40, 40));
    EXPECT_EQ(window.pressedKey(), 0);
}

TEST_F(TerminalWindowTest, PopupMenuOnRightButtonAndOnReleasingKey14) {
    QSignalSpy spy(&window, &TerminalWindow::popupRequested);
    QTest::mouseClick(&window, Qt::RightButton, Qt::NoModifier, QPoint(100, 80));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toPoint(), window.mapToGlobal(QPoint(100, 80)));

    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, KeyCentre(14));
    EXPECT_EQ(spy.count(), 1);  // pressing does not open it
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, KeyCentre(14));
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(1).at(0).toPoint(), window.mapToGlobal(QPoint(78, 403)));
}

TEST_F(TerminalWindowTest, ClickBetweenKeysDragsTheWindow) {
    const QPoint start = window.pos();
    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, QPoint(79, 300));
    EXPECT_EQ(window.pressedKey(), 0);
    QTest::mouseMove(&window, QPoint(109, 320));
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, QPoint(109, 320));
    EXPECT_EQ(window.pos(), start + QPoint(30, 20));
}

TEST_F(TerminalWindowTest, AClickOnTheCaseOrAShakyOneLeavesTheWindowWhereItIs) {
    const QPoint start = window.pos();
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(79, 300));
    QTest::mouseMove(&window, QPoint(150, 420));  // the button is up: no drag
    EXPECT_EQ(window.pos(), start);

    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, QPoint(79, 300));
    QTest::mouseMove(&window, QPoint(82, 303));
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, QPoint(82, 303));
    EXPECT_EQ(window.pos(), start) << "a few pixels of jitter are still a click";
}

// Counts the paints the window receives.
class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST_F(TerminalWindowTest, AnIdleTerminalRepaintsOnlyWhatChanges) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* clock = window.findChild<QTimer*>("ClockTick");
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(clock->interval(), 100);
    auto runTicks = [&](int ticks) {
        PaintCounter counter;
        QCoreApplication::processEvents();
        window.installEventFilter(&counter);
        for (int i = 0; i < ticks; ++i) {
            QTimerEvent tick(clock->timerId());
            QCoreApplication::sendEvent(clock, &tick);
            QCoreApplication::processEvents();
        }
        window.removeEventFilter(&counter);
        return counter.paints;
    };

    // The main menu's clock line at a fixed minute: only the colon blinks,
    // on for five ticks and off for five, so two seconds hold four changes.
    window.RestartAtMainMenu();
    EXPECT_EQ(runTicks(20), 4);

    // The system menu has no clock line: nothing to repaint at all.
    Click(3);
    ASSERT_EQ(engine.Screen().mode, Mode::SystemMenu);
    EXPECT_EQ(runTicks(20), 0);
}

TEST_F(TerminalWindowTest, ZoomScalesTheWindowAndKeepsTheHitTest) {
    window.zoomIn();
    EXPECT_DOUBLE_EQ(window.zoom(), 1.25);
    window.zoomIn();
    window.zoomIn();
    EXPECT_DOUBLE_EQ(window.zoom(), 1.75);
    window.zoomOut();
    EXPECT_DOUBLE_EQ(window.zoom(), 1.5);
    EXPECT_EQ(window.size(), QSize(300, 689));  // 459 x 1.5 rounds up

    engine.RestartAtMainMenu();
    Click(22);
    EXPECT_EQ(engine.Screen().highlight, 1);
    // At zoom 1.5 the picture's gap at x 79 lies at 118..119.
    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, QPoint(119, 450));
    EXPECT_EQ(window.pressedKey(), 0);
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, QPoint(119, 450));

    window.zoomReset();
    EXPECT_DOUBLE_EQ(window.zoom(), 1.0);
    for (int i = 0; i < 10; ++i) window.zoomOut();
    EXPECT_DOUBLE_EQ(window.zoom(), 1.0);
    for (int i = 0; i < 10; ++i) window.zoomIn();
    EXPECT_DOUBLE_EQ(window.zoom(), 3.0);
    EXPECT_EQ(window.size(), QSize(600, 1377));
}

TEST_F(TerminalWindowTest, ZoomShortcuts) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window.zoom(), 1.25);
    QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window.zoom(), 1.0);
    window.setZoom(2.0);
    QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window.zoom(), 1.0);

    // Ctrl and the wheel zoom too; the wheel alone does not.
    auto wheel = [this](int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(100, 100), window.mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&window, &event);
    };
    wheel(120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window.zoom(), 1.25);
    wheel(120, Qt::NoModifier);
    EXPECT_DOUBLE_EQ(window.zoom(), 1.25);
    wheel(-120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window.zoom(), 1.0);
}

TEST_F(TerminalWindowTest, ComputerKeysPlayTheTerminalKeys) {
    window.RestartAtMainMenu();
    window.setFocus();
    QTest::keyPress(&window, Qt::Key_Down);
    EXPECT_EQ(window.pressedKey(), 22);
    QTest::keyRelease(&window, Qt::Key_Down);
    EXPECT_EQ(window.pressedKey(), 0);
    EXPECT_EQ(engine.Screen().highlight, 1);
    QTest::keyClick(&window, Qt::Key_3);
    EXPECT_EQ(engine.Screen().mode, Mode::SystemMenu);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(engine.Screen().mode, Mode::MainMenu);
    // With Ctrl a key is the designer's, not the terminal's.
    QTest::keyClick(&window, Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(engine.Screen().mode, Mode::MainMenu);
}

TEST_F(TerminalWindowTest, GrabShowsTheTerminal) {
    engine.RestartAtMainMenu();
    const QImage picture = window.grab().toImage();
    ASSERT_EQ(picture.size(), QSize(kPictureWidth, kPictureHeight));
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 7) {
        for (int x = 0; x < picture.width(); x += 7) colours.insert(picture.pixel(x, y));
    }
    EXPECT_GT(colours.size(), 50u);
    // The LCD is light and greenish, the case dark.
    const QColor lcd = picture.pixelColor(160, 118);
    EXPECT_GT(lcd.green(), 150);
    EXPECT_GT(lcd.green(), lcd.blue());
    EXPECT_LT(picture.pixelColor(100, 440).lightness(), 90);
}

}  // namespace
}  // namespace simulator
