#include "loader/link/cradle_search.h"

#include "designer/link/port_list.h"
#include "loader/loader_string_ids.h"
#include "loader/loader_strings.h"
#include "loader/port_numbers.h"

namespace loader {

int DetectCradleLoader(termlink::SerialLink& port, common::Clock& clock, std::string& portName) {
    const auto ports = termlink::EnumerateSerialPorts();
    if (!ports) return -1;
    for (const termlink::SerialPort& candidate : *ports) {
        if (candidate.kind == termlink::kBluetoothPort) continue;
        if (!port.Open(termlink::DeviceOfPort(candidate.name))) continue;
        const bool found = termlink::ProbeCradleOnPort(port, clock);
        port.Close();
        if (found) {
            portName = candidate.name;
            return PortNumberOfName(candidate.name);
        }
    }
    return -1;
}

// A plain box under the program's name, like the loader's other boxes without a caption of their own.
void TellCradleNotFound(common::UiPort& ui) {
    ui.ShowMessage(LoaderText(ids::kReaderCaption), LoaderText(ids::kCradleNotFound), common::MessageIcon::Warning);
}

bool AskToApplyCradlePort(common::UiPort& ui, int portNumber) {
    const std::string question =
        LoaderText(ids::kCradleFoundOnPort) + std::to_string(portNumber) + LoaderText(ids::kApplySettingsQuestion);
    return ui.AskOkCancel(LoaderText(ids::kCradleFoundCaption), question, common::MessageIcon::Information);
}

std::optional<int> FindCradle(common::UiPort& ui, termlink::SerialLink& port, common::Clock& clock,
                              const std::function<void(bool shown)>& banner) {
    if (banner) banner(true);
    std::string portName;
    const int number = DetectCradleLoader(port, clock, portName);
    if (banner) banner(false);
    if (number < 1) {
        TellCradleNotFound(ui);
        return std::nullopt;
    }
    if (!AskToApplyCradlePort(ui, number)) return std::nullopt;
    return number;
}

}  // namespace loader
