// The terminal link from the command line: the designer's own download and
// upload code, talking through the console.
#include <iostream>
#include <optional>

#include "common/clock.h"
#include "common/console_ui.h"
#include "common/file_replace.h"
#include "designer/link/port_list.h"
#include "designer/link/system_serial_link.h"
#include "designer/strings/english_table.h"
#include "designer/task/defaults.h"
#include "designer/task/task_file.h"
#include "designer/transfer/download.h"
#include "designer/transfer/terminal_image.h"
#include "designer/transfer/upload.h"
#include "tools/uzx/commands.h"

namespace uzx {
namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

bool ReadTask(const std::string& path, text::StringTable& strings, task::TaskModel& model) {
    const task::ReadResult read = task::ReadTaskFile(path, task::LoadDefaultTexts(strings), model);
    switch (read.status) {
        case task::ReadStatus::Ok: return true;
        case task::ReadStatus::CannotOpen: std::cerr << "uzx: cannot open " << path << '\n'; break;
        case task::ReadStatus::FormatMismatch: std::cerr << "uzx: " << path << " is not a task file\n"; break;
        case task::ReadStatus::TooShort: std::cerr << "uzx: " << path << " is too short to be a task file\n"; break;
    }
    return false;
}

struct LinkOptions {
    std::string device;
    int speedIndex = 0;
    bool withCradle = false;
};

std::optional<int> SmallNumber(const std::string& text, int last) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '0' + last) return std::nullopt;
    return text[0] - '0';
}

// --port NAME [--speed N] [--link N], after the command's one file argument.
std::optional<LinkOptions> ParseLinkOptions(const Args& args, const char* command) {
    LinkOptions options;
    std::string port;
    bool valid = true;
    for (std::size_t i = 1; valid && i < args.size(); i += 2) {
        if (i + 1 >= args.size()) {
            valid = false;
        } else if (args[i] == "--port") {
            port = args[i + 1];
        } else if (args[i] == "--speed") {
            const auto speed = SmallNumber(args[i + 1], termlink::kSpeedCount - 1);
            valid = speed.has_value();
            options.speedIndex = speed.value_or(0);
        } else if (args[i] == "--link") {
            // 0 RS-232 and 2 IrDA open the port directly; 1 goes through the infrared cradle.
            const auto link = SmallNumber(args[i + 1], 2);
            valid = link.has_value();
            options.withCradle = link == 1;
        } else {
            valid = false;
        }
    }
    if (!valid || args.empty() || port.empty()) {
        std::cerr << "usage: uzx " << command << " FILE --port NAME [--speed 0-4] [--link 0-2]\n";
        return std::nullopt;
    }
    options.device = termlink::ResolvePortDevice(port);
    if (options.device.empty()) {
        std::cerr << "uzx: " << port << " names no port\n";
        return std::nullopt;
    }
    return options;
}

// Everything a transfer needs for one command-line run.
struct Session {
    explicit Session(const LinkOptions& options)
        : port(termlink::MakeSystemSerialLink()),
          context{{ui, clock, *port, state, options.device, options.speedIndex}, task, strings, {}} {
        task::MakeNewTask(task.model, task::LoadDefaultTexts(strings));
    }

    text::StringTable strings = strings::MakeStringTable();
    common::ConsoleUi ui;
    common::SteadyClock clock;
    task::Task task;
    termlink::LinkState state;
    std::unique_ptr<termlink::SerialLink> port;
    transfer::TransferContext context;
};

}  // namespace

int RunImage(const Args& args) {
    if (args.size() != 2) {
        std::cerr << "usage: uzx image FILE OUT\n";
        return kUsage;
    }
    text::StringTable strings = strings::MakeStringTable();
    task::TaskModel model;
    if (!ReadTask(args[0], strings, model)) return kFailed;
    const transfer::TerminalImage image = transfer::BuildTerminalImage(model);
    const common::ReplaceResult written = common::ReplaceFileContents(
        args[1], std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
    if (!written.ok) {
        std::cerr << "uzx: cannot write " << args[1] << ": " << written.error << '\n';
        return kFailed;
    }
    return 0;
}

int RunDownload(const Args& args) {
    const auto options = ParseLinkOptions(args, "download");
    if (!options) return kUsage;
    Session session(*options);
    if (!ReadTask(args[0], session.strings, session.task.model)) return kFailed;
    session.task.currentPath = args[0];
    return transfer::DownloadToTerminal(session.context, 0, options->withCradle).delivered ? 0 : kFailed;
}

int RunSendLookup(const Args& args) {
    const auto options = ParseLinkOptions(args, "send-lookup");
    if (!options) return kUsage;
    Session session(*options);
    session.ui.chosenPath = args[0];
    return transfer::DownloadToTerminal(session.context, 1, options->withCradle).delivered ? 0 : kFailed;
}

int RunReceive(const Args& args) {
    const auto options = ParseLinkOptions(args, "receive");
    if (!options) return kUsage;
    Session session(*options);
    session.ui.chosenPath = args[0];
    return transfer::ReceiveData(session.context, options->withCradle).completed ? 0 : kFailed;
}

}  // namespace uzx
