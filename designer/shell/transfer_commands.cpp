#include "designer/shell/transfer_commands.h"

#include "designer/link/port_list.h"
#include "designer/link/stop_request.h"
#include "designer/strings/string_ids.h"
#include "designer/transfer/download.h"
#include "designer/transfer/upload.h"

namespace shell {
namespace {

constexpr int kLinkRs232 = 0;
constexpr int kLinkCradle = 1;
constexpr int kLinkIrda = 2;

bool IsLinkType(int value) { return value == kLinkRs232 || value == kLinkCradle || value == kLinkIrda; }

}  // namespace

TransferCommands::TransferCommands(DesignerSession& session, termlink::SerialLink& port, common::Clock& clock)
    : session_(session),
      context_{{session.Ui(), clock, port, state_, {}, 0}, session.CurrentTask(), session.Texts(), {}} {}

bool TransferCommands::TakePreferences() {
    const Preferences& preferences = session_.CurrentPreferences();
    context_.link.speedIndex = preferences.speedIndex;
    const std::vector<termlink::SerialPort> ports =
        termlink::EnumerateSerialPorts().value_or(std::vector<termlink::SerialPort>{});
    std::vector<std::string> names;
    for (const termlink::SerialPort& port : ports) names.push_back(port.name);
    const int position = termlink::FindChosenPort(names, preferences.portPosition, preferences.comPort);
    if (position < 0) {
        context_.link.device.clear();
        context_.link.portName = preferences.comPort > 0 ? "COM" + std::to_string(preferences.comPort) : "";
        termlink::Show(session_.Ui(), transfer::PortNoticeOf(context_, strings::id::kErrorCaption,
                                                             strings::id::kPortGone));
        return false;
    }
    const termlink::SerialPort& port = ports[static_cast<std::size_t>(position)];
    session_.SetChosenPort(position, termlink::PortNumberOf(port.name));
    context_.link.device = termlink::DeviceOfPort(port.name);
    context_.link.portName = port.name;
    return true;
}

void TransferCommands::Download(int lookupMode) {
    const int via = session_.CurrentPreferences().downloadVia;
    if (!IsLinkType(via) || !TakePreferences()) return;
    transfer::DownloadToTerminal(context_, lookupMode, via == kLinkCradle);
}

void TransferCommands::DownloadApplication() { Download(0); }

void TransferCommands::DownloadLookupFile() { Download(1); }

void TransferCommands::ReceiveData() {
    const int via = session_.CurrentPreferences().receiveVia;
    if (!IsLinkType(via) || !TakePreferences()) return;
    transfer::ReceiveData(context_, via == kLinkCradle);
}

std::optional<int> TransferCommands::DetectCradle(std::string& portName) {
    text::StringTable& strings = session_.Texts();
    auto progress = session_.Ui().OpenProgress(transfer::ProgressLookOf(context_, ""));
    termlink::StopRequest stop([&progress] { return progress && progress->CancelRequested(); });
    const int position =
        termlink::DetectCradle(context_.link.port, context_.link.clock, portName, &stop, [&](const std::string& name) {
            progress->SetText(transfer::WithName(strings.Direct(strings::id::kStatusDetecting), name));
        });
    const bool stopped = position < 0 && stop.Given();
    progress.reset();
    if (stopped) return std::nullopt;
    return position;
}

}  // namespace shell
