#pragma once
// The loader's download: the port opened once, then attempts of handshake
// and blocks, repeated while the user asks for another try.
#include <string>

#include "common/clock.h"
#include "common/ui_port.h"
#include "designer/link/cradle.h"
#include "designer/link/reply.h"
#include "designer/link/serial_link.h"
#include "loader/command_line.h"
#include "loader/loaded_task.h"

namespace loader {

// What one loader keeps for its run besides the task: the port and its user,
// the line settings that outlive a transfer, and how it reads replies. Each
// terminal of a load to several at once has one of its own.
struct LoaderSession {
    LoaderSession(common::UiPort& ui, common::Clock& clock, termlink::SerialLink& port);

    common::UiPort& ui;
    common::Clock& clock;
    termlink::SerialLink& port;
    termlink::LinkState state;  // the loader's cradle probe leaves the port's buffers alone
    // 16 bytes within 2000 ms until a batch terminal is served, 10 from then
    // on, 16 again once a radio terminal is; later handshakes read the same.
    termlink::ReplyRule reply;
};

// The device the loader opens for port number n: "\\.\COM<n>".
std::string LoaderPortDevice(int portNumber);

struct TransferOutcome {
    int code = -1;           // -1 the port or the cradle failed, 0 the line settings were refused, 1 the download ran
    bool delivered = false;  // every block was acknowledged
    std::string terminalId;  // what the terminal last answered the handshake with, as kept
};

// Opens COM<target.portNumber>, sets up the queues, the cradle (link type 1)
// and the line settings, and downloads the task until it is delivered or the
// user answers No to "Ошибка загрузки, хотите попробывать снова?"; the port
// stays open between attempts and is purged and closed at the end. Each
// attempt prepares the task afresh from `task`. The progress window
// "PROGRESSDLG" shows while blocks go and is closed on every way out; each
// block is sent at a raised priority. Success says "Загрузка завершена!"
// unless the load runs from the command line.
TransferOutcome RunLoaderTransfer(LoaderSession& session, const LoadedTask& task, const LoadTarget& target,
                                  bool commandLineMode);

}  // namespace loader
