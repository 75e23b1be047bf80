// Mostrel, the task designer: the session starts (settings, language,
// default texts, a new task, the last task when asked for), then the
// borderless main window shows the terminal.
#include <QApplication>

#include <cstdio>
#include <exception>

#include "common/clock.h"
#include "designer/editors/qt/sheet_launcher.h"
#include "designer/link/system_serial_link.h"
#include "designer/shell/designer_session.h"
#include "designer/shell/main_window.h"
#include "common/qt/qt_text.h"
#include "common/qt/qt_ui_port.h"
#include "designer/shell/transfer_commands.h"
#include "designer/simulator/engine.h"
#include "designer/simulator/local_time.h"

namespace {

int RunDesigner(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mostrel"));

    qtui::QtUiPort ui;
    shell::DesignerSession session(ui, qtui::ToNativePath(QCoreApplication::applicationDirPath()));
    session.Start();

    // The engine outlives the window that draws it.
    simulator::SystemLocalTime localTime;
    simulator::Engine engine(session.CurrentTask(), session.Texts(), ui, localTime);

    common::SteadyClock clock;
    const std::unique_ptr<termlink::SerialLink> port = termlink::MakeSystemSerialLink();
    shell::TransferCommands transfers(session, *port, clock);

    shell::MainWindow window(session, engine);
    window.SetTransferCommands(&transfers);
    window.SetPropertySheetLauncher([&] {
        editors::RunPropertySheet(session.CurrentTask(), session.Texts(), ui, session.DefaultTexts(), &window);
    });
    ui.SetOwner(&window);
    window.show();
    return app.exec();
}

}  // namespace

// Every failure the designer knows of is told in a message box; this is the
// last word on one it cannot know of (memory running out), so that it ends
// with a message and a status rather than by a signal.
int main(int argc, char* argv[]) {
    try {
        return RunDesigner(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Mostrel: %s\n", e.what());
    } catch (...) {
        std::fputs("Mostrel: an unexpected failure\n", stderr);
    }
    return 1;
}
