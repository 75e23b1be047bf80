#pragma once
// The designer as main.cpp puts it together, for widget tests: a session over
// a temporary settings folder and a scripted UI port, the real engine on a
// fixed date, and the main window with the terminal as its client.
#include <cstdlib>
#include <memory>

#include <QTest>

#include <gtest/gtest.h>

#include "common/clock.h"
#include "testing/scripted_ui.h"
#include "designer/shell/designer_session.h"
#include "designer/shell/main_window.h"
#include "designer/simulator/engine.h"
#include "designer/simulator/local_time.h"
#include "designer/task/test_support.h"
#include "testing/temp_folder.h"

namespace shell::testing {

class DesignerWindowRig {
public:
    DesignerWindowRig() {
        setenv("APPDATA", folder.File("appdata").c_str(), 1);
        session.Start();
        window = std::make_unique<MainWindow>(session, engine);
        window->SetPropertySheetLauncher([this] { ++propertySheets; });
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    ~DesignerWindowRig() {
        session.CurrentTask().modified = false;  // let the window close without asking
        window.reset();
        unsetenv("APPDATA");
    }

    test_support::TempFolder folder;
    test_support::ScriptedUi ui;
    DesignerSession session{ui, folder.Path()};
    common::TestClock clock;
    simulator::ClockedLocalTime time{{2024, 1, 7, 9, 5, 0}, clock};
    simulator::Engine engine{session.CurrentTask(), session.Texts(), ui, time};
    std::unique_ptr<MainWindow> window;
    int propertySheets = 0;
};

}  // namespace shell::testing
