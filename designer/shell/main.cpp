// Mostrel, the task designer: the session starts (settings, language,
// default texts, a new task, the last task when asked for), then the
// borderless main window shows the terminal.
#include <QApplication>

#include "designer/shell/designer_session.h"
#include "designer/shell/main_window.h"
#include "designer/shell/qt_text.h"
#include "designer/shell/qt_ui_port.h"
#include "designer/simulator/engine.h"
#include "designer/simulator/local_time.h"
#include "designer/simulator/terminal_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mostrel"));

    shell::QtUiPort ui;
    shell::DesignerSession session(ui, shell::ToNativePath(QCoreApplication::applicationDirPath()));
    session.Start();

    // The engine outlives the window that draws it.
    simulator::SystemLocalTime localTime;
    simulator::Engine engine(session.CurrentTask(), session.Texts(), ui, localTime);

    shell::MainWindow window(session);
    ui.SetOwner(&window);
    auto* terminal = new simulator::TerminalWindow(engine);
    window.SetClient(terminal, terminal);
    window.show();
    return app.exec();
}
