#pragma once
// The main form over real files in a temporary folder, the in-memory link
// with a terminal that answers, and a scripted user.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "loader/pages/tarvel_form.h"
#include "loader/test_support.h"
#include "testing/scripted_ui.h"
#include "testing/temp_folder.h"
#include "testing/test_terminal.h"

namespace loader::pages::testing {

class FormBench {
public:
    explicit FormBench(std::vector<std::string> ports = {"COM1", "COM3", "COM12"}) {
        form = std::make_unique<TarvelForm>(
            FormParts{session, folder.File("program"), folder.File("TARVEL.ini"), std::move(ports)});
        form->closeWindow = [this] { ++windowCloses; };
    }

    std::string WriteFile(const std::string& name, const loader::testing::Bytes& bytes) {
        folder.Write(name, std::string(bytes.begin(), bytes.end()));
        return folder.File(name);
    }
    // The settings file's bytes; "(none)" while there is none.
    std::string SettingsFile() const;

    // The terminal answers the handshake with `hello` and every block with ACK.
    void AnswerEverything(std::string hello) {
        terminal.answer = [hello](const std::string& w) { return w == "CIPHER\r" ? hello : std::string("ACK\r"); };
    }

    Page& PageAt(int tab) {
        form->SelectTab(tab);
        return *form->PageOf(tab);
    }

    test_support::TempFolder folder;
    common::TestClock clock;
    test_support::MemoryLinkPair pair{clock};
    test_support::TestTerminal terminal{pair};
    test_support::ScriptedUi ui;
    LoaderSession session{ui, clock, pair.host()};
    std::unique_ptr<TarvelForm> form;
    int windowCloses = 0;
};

inline std::string FormBench::SettingsFile() const {
    std::string content;
    FILE* file = std::fopen(folder.File("TARVEL.ini").c_str(), "rb");
    if (!file) return "(none)";
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) content += static_cast<char>(c);
    std::fclose(file);
    return content;
}

}  // namespace loader::pages::testing
