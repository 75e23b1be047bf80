// The terminal link from the command line: the designer's own download and
// upload code, talking through the console.
#include <csignal>
#include <iostream>
#include <optional>

#include "common/clock.h"
#include "common/console_ui.h"
#include "common/file_replace.h"
#include "designer/link/port_list.h"
#include "designer/link/system_serial_link.h"
#include "designer/strings/english_table.h"
#include "designer/task/defaults.h"
#include "designer/transfer/download.h"
#include "designer/transfer/terminal_image.h"
#include "designer/transfer/upload.h"
#include "tools/uzx/commands.h"
#include "tools/uzx/task_input.h"

namespace uzx {
namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

// Ctrl+C is the progress window's Cancel: the transfer ends at once, with the
// port closed and the records received so far kept. A second one ends the
// program as usual.
volatile std::sig_atomic_t interrupted = 0;

void Interrupt(int) {
    interrupted = 1;
    std::signal(SIGINT, SIG_DFL);
}

struct LinkOptions {
    std::string file;
    std::string port;    // as given: a COM name or a device path
    std::string device;  // what it names
    int speedIndex = 0;
    bool withCradle = false;
};

std::optional<int> SmallNumber(const std::string& text, int last) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '0' + last) return std::nullopt;
    return text[0] - '0';
}

// FILE --port NAME [--speed N] [--link N]; a refusal says which argument is wrong.
std::optional<LinkOptions> ParseLinkOptions(const Args& args, const char* command) {
    LinkOptions options;
    const auto refuse = [command](const std::string& what) {
        std::cerr << "uzx " << command << ": " << what << '\n'
                  << "usage: uzx " << command << " FILE --port NAME [--speed 0-4] [--link 0-2]\n";
        return std::nullopt;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!arg.starts_with("--")) {
            if (!options.file.empty()) return refuse("one file only, not also " + arg);
            options.file = arg;
            continue;
        }
        if (arg != "--port" && arg != "--speed" && arg != "--link") return refuse("unknown option " + arg);
        if (i + 1 >= args.size()) return refuse(arg + " wants a value");
        const std::string& value = args[++i];
        if (arg == "--port") {
            options.port = value;
        } else if (arg == "--speed") {
            const auto speed = SmallNumber(value, termlink::kSpeedCount - 1);
            if (!speed) return refuse("--speed wants 0 to 4 (115200 to 9600 bit/s), not \"" + value + "\"");
            options.speedIndex = *speed;
        } else {
            // 0 RS-232 and 2 IrDA open the port directly; 1 goes through the infrared cradle.
            const auto link = SmallNumber(value, 2);
            if (!link) return refuse("--link wants 0 (RS-232), 1 (Cradle-IR) or 2 (IrDA), not \"" + value + "\"");
            options.withCradle = *link == 1;
        }
    }
    if (options.file.empty()) return refuse("no file named");
    if (options.port.empty()) return refuse("no --port named");
    options.device = termlink::ResolvePortDevice(options.port);
    if (options.device.empty()) {
        std::cerr << "uzx: " << options.port << " names no port\n";
        return std::nullopt;
    }
    return options;
}

// Everything a transfer needs for one command-line run.
struct Session {
    explicit Session(const LinkOptions& options)
        : port(termlink::MakeSystemSerialLink()),
          context{{ui, clock, *port, state, options.device, options.speedIndex, options.port}, task, strings, {}} {
        task::MakeNewTask(task.model, task::LoadDefaultTexts(strings));
        ui.tellsProgress = true;
        ui.stopFlag = &interrupted;
        std::signal(SIGINT, Interrupt);
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
    const task::DefaultTexts texts = task::LoadDefaultTexts(strings);
    common::ConsoleUi ui;
    task::Task task;
    task::MakeNewTask(task.model, texts);
    if (!ReadTaskArgument(args[0], task, texts, strings, ui)) return kFailed;
    const transfer::TerminalImage image = transfer::BuildTerminalImage(task.model);
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
    const task::DefaultTexts texts = task::LoadDefaultTexts(session.strings);
    if (!ReadTaskArgument(options->file, session.task, texts, session.strings, session.ui)) return kFailed;
    return transfer::DownloadToTerminal(session.context, 0, options->withCradle).delivered ? 0 : kFailed;
}

int RunSendLookup(const Args& args) {
    const auto options = ParseLinkOptions(args, "send-lookup");
    if (!options) return kUsage;
    Session session(*options);
    session.ui.chosenPath = options->file;
    return transfer::DownloadToTerminal(session.context, 1, options->withCradle).delivered ? 0 : kFailed;
}

// Succeeds only when records came: a script must not take an empty upload
// for a collected one.
int RunReceive(const Args& args) {
    const auto options = ParseLinkOptions(args, "receive");
    if (!options) return kUsage;
    Session session(*options);
    session.ui.chosenPath = options->file;
    const transfer::UploadResult result = transfer::ReceiveData(session.context, options->withCradle);
    return result.completed && result.code > 0 ? 0 : kFailed;
}

}  // namespace uzx
