#pragma once
// The designer's transfer commands over an in-memory link whose terminal
// never answers, with the settings in a temporary folder.
#include <algorithm>

#include <gtest/gtest.h>

#include "designer/shell/transfer_commands.h"
#include "testing/memory_link.h"
#include "testing/scoped_variable.h"
#include "testing/scripted_ui.h"
#include "testing/temp_folder.h"

namespace shell::testing {

class TransferCommandsRig : public ::testing::Test {
protected:
    TransferCommandsRig() { session.Start(); }

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

    test_support::TempFolder folder;
    test_support::ScopedVariable appData{"APPDATA", folder.File("appdata")};
    test_support::ScriptedUi ui;
    DesignerSession session{ui, folder.Path()};
    common::TestClock clock;
    test_support::MemoryLinkPair pair{clock};
    TransferCommands transfers{session, pair.host(), clock};
};

}  // namespace shell::testing
