#include "loader/app/tarvel_program.h"

#include "common/qt/qt_text.h"
#include "designer/link/port_list.h"

namespace tarvel {

std::string CommandLineText(const QStringList& arguments) {
    std::string text;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (i > 1) text += ' ';
        text += qtui::ToNativePath(arguments[i]);
    }
    return text;
}

std::vector<std::string> PortNames() {
    std::vector<std::string> names;
    if (const auto ports = termlink::EnumerateSerialPorts()) {
        for (const termlink::SerialPort& port : *ports) names.push_back(port.name);
    }
    return names;
}

int ExitStatusOf(loader::UnattendedEnd end) {
    switch (end) {
        case loader::UnattendedEnd::Interactive:
        case loader::UnattendedEnd::ContinueInteractively:
        case loader::UnattendedEnd::Quit:
        case loader::UnattendedEnd::Loaded: return 0;
        case loader::UnattendedEnd::FormatError: return 1;
        case loader::UnattendedEnd::TaskRefused: return 2;
        case loader::UnattendedEnd::LoadFailed: return 3;
    }
    return 3;
}

}  // namespace tarvel
