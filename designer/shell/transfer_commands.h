#pragma once
// The designer's transfer commands: Download Application, Download Lookup
// File and Receive Data, run with the link type, port and speed of the
// preferences. The port and the line settings are kept for the program run.
#include <optional>
#include <string>

#include "common/clock.h"
#include "designer/link/cradle.h"
#include "designer/link/serial_link.h"
#include "designer/shell/designer_session.h"
#include "designer/transfer/transfer_context.h"

namespace shell {

class TransferCommands {
public:
    // `port` and `clock` must outlive the commands.
    TransferCommands(DesignerSession& session, termlink::SerialLink& port, common::Clock& clock);

    void DownloadApplication();
    void DownloadLookupFile();
    void ReceiveData();

    // Finds the port where the infrared cradle answers, telling each port
    // tried on a progress window: its position, with its name in
    // `portName`, or -1; nothing when the user cancelled.
    std::optional<int> DetectCradle(std::string& portName);

private:
    void Download(int lookupMode);
    // The chosen port's device and the speed, from the preferences as they
    // are now; false, with the user told, when the chosen port is gone.
    bool TakePreferences();

    DesignerSession& session_;
    termlink::LinkState state_;
    transfer::TransferContext context_;
};

}  // namespace shell
