// Mostrel, the task designer: the session starts (settings, language,
// default texts, a new task, the last task when asked for), then the
// borderless main window shows the terminal and opens the task file the
// command line names. `--help` and `--version` print and end the program
// before any window is made, so they work without a desktop too.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include "common/clock.h"
#include "common/cp1251.h"
#include "common/program_folder.h"
#include "common/qt/qt_text.h"
#include "common/qt/qt_ui_port.h"
#include "designer/editors/qt/sheet_launcher.h"
#include "designer/link/system_serial_link.h"
#include "designer/shell/command_line.h"
#include "designer/shell/designer_session.h"
#include "designer/shell/main_window.h"
#include "designer/shell/program_icon.h"
#include "designer/shell/settings_file.h"
#include "designer/shell/transfer_commands.h"
#include "designer/simulator/engine.h"
#include "designer/simulator/local_time.h"
#include "designer/strings/english_table.h"

namespace {

constexpr int kRefusedCommandLine = 2;

// The designer's texts in the language the settings name, for what is
// printed before the session starts. Reading creates nothing.
text::StringTable ChosenLanguage() {
    text::StringTable strings = strings::MakeStringTable();
    shell::Preferences preferences;
    shell::ReadSettingsFile(shell::SettingsPath(), preferences);
    strings.FindLanguages(common::ProgramFolder());
    strings.LoadLanguage(preferences.language);
    return strings;
}

std::vector<std::string> ArgumentsAfterQt(const QApplication& app) {
    std::vector<std::string> arguments;
    const QStringList all = app.arguments();
    for (qsizetype i = 1; i < all.size(); ++i) arguments.push_back(qtui::ToNativePath(all[i]));
    return arguments;
}

int RunDesigner(int argc, char* argv[]) {
    // Before Qt takes its own options (-platform, -style) off the line, only
    // help and version are answered.
    const shell::CommandLine early = shell::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (early.action == shell::CommandLine::Action::Help) {
        std::cout << common::Cp1251ToUtf8(shell::HelpText(ChosenLanguage()));
        return 0;
    }
    if (early.action == shell::CommandLine::Action::Version) {
        std::cout << "Mostrel " << PROJECT_VERSION_TEXT << "\n";
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mostrel"));
    QApplication::setWindowIcon(shell::ProgramIcon());
    const shell::CommandLine line = shell::ParseCommandLine(ArgumentsAfterQt(app));
    if (line.action == shell::CommandLine::Action::Refuse) {
        std::cerr << common::Cp1251ToUtf8(shell::RefusalText(line, ChosenLanguage()));
        return kRefusedCommandLine;
    }

    qtui::QtUiPort ui;
    shell::DesignerSession session(ui, qtui::ToNativePath(QCoreApplication::applicationDirPath()));
    session.Start(line.file.empty());

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
    if (!line.file.empty()) {
        // Kept whole, so the recent-files list can open it from anywhere.
        const std::string path = qtui::ToNativePath(QFileInfo(qtui::FromNativePath(line.file)).absoluteFilePath());
        // Once the window is up, so a message about the file stands over it.
        QTimer::singleShot(0, &window, [&window, path] { window.OpenFile(path); });
    }
    return app.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    // Nothing leaves main by an exception: a failure ends with a message and
    // an exit status, not an abort.
    try {
        return RunDesigner(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "Mostrel: " << error.what() << "\n";
    } catch (...) {
        std::cerr << "Mostrel: unexpected failure\n";
    }
    return 1;
}
