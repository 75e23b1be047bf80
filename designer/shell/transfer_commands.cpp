#include "designer/shell/transfer_commands.h"

#include "designer/link/port_list.h"
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

void TransferCommands::TakePreferences() {
    const Preferences& preferences = session_.CurrentPreferences();
    // Settings that hold only a port number get the position of that port here.
    int position = preferences.portPosition;
    termlink::ListSerialPorts(nullptr, &position, preferences.comPort);
    session_.SetPortPosition(position);

    const termlink::SerialPort port = termlink::GetSerialPort(position);
    context_.link.device = port.kind == termlink::kNoPort ? std::string() : termlink::DeviceOfPort(port.name);
    context_.link.speedIndex = preferences.speedIndex;
}

void TransferCommands::Download(int lookupMode) {
    const int via = session_.CurrentPreferences().downloadVia;
    if (!IsLinkType(via)) return;
    TakePreferences();
    transfer::DownloadToTerminal(context_, lookupMode, via == kLinkCradle);
}

void TransferCommands::DownloadApplication() { Download(0); }

void TransferCommands::DownloadLookupFile() { Download(1); }

void TransferCommands::ReceiveData() {
    const int via = session_.CurrentPreferences().receiveVia;
    if (!IsLinkType(via)) return;
    TakePreferences();
    transfer::ReceiveData(context_, via == kLinkCradle);
}

int TransferCommands::DetectCradle(std::string& portName) {
    return termlink::DetectCradle(context_.link.port, context_.link.clock, portName);
}

}  // namespace shell
