// Tarvel, the task loader: the main form with its load and convert pages.
// Started with a command line it loads one task unattended and ends; a
// command line it cannot read asks whether to go on in the window.
#include <exception>
#include <iostream>

#include <QApplication>

#include "common/clock.h"
#include "common/program_folder.h"
#include "common/qt/qt_translator.h"
#include "common/qt/qt_ui_port.h"
#include "designer/link/system_serial_link.h"
#include "loader/app/tarvel_program.h"
#include "loader/app/tarvel_window.h"
#include "loader/loader_settings.h"
#include "loader/pages/tarvel_form.h"

namespace {

int RunTarvel(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvel"));
    // The loader speaks Russian, its message boxes' buttons too.
    const std::unique_ptr<QTranslator> qtTexts = qtui::LoadQtTranslator(QStringLiteral("ru"));
    if (qtTexts) QApplication::installTranslator(qtTexts.get());

    qtui::QtUiPort ui;
    common::SteadyClock clock;
    const std::unique_ptr<termlink::SerialLink> port = termlink::MakeSystemSerialLink();
    loader::LoaderSession session(ui, clock, *port);
    const std::string programFolder = common::ProgramFolder();
    loader::pages::TarvelForm form(
        {session, programFolder, loader::LoaderSettingsPath(programFolder), tarvel::PortNames()});

    const loader::UnattendedEnd end = form.Start(tarvel::CommandLineText(QApplication::arguments()));
    if (form.Closed()) return tarvel::ExitStatusOf(end);

    tarvel::TarvelWindow window(form, programFolder);
    ui.SetOwner(&window);
    window.exec();
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Nothing leaves main by an exception: a failure ends with a message and
    // an exit status, not an abort.
    try {
        return RunTarvel(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "Tarvel: " << error.what() << "\n";
    } catch (...) {
        std::cerr << "Tarvel: unexpected failure\n";
    }
    return 1;
}
