// Mostrel, the task designer: the session starts (settings, language,
// default texts, a new task, the last task when asked for), then the
// borderless main window shows the terminal.
#include <QApplication>

#include "designer/shell/designer_session.h"
#include "designer/shell/main_window.h"
#include "designer/shell/qt_text.h"
#include "designer/shell/qt_ui_port.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mostrel"));

    shell::QtUiPort ui;
    shell::DesignerSession session(ui, shell::ToNativePath(QCoreApplication::applicationDirPath()));
    session.Start();

    shell::MainWindow window(session);
    ui.SetOwner(&window);
    window.show();
    return app.exec();
}
