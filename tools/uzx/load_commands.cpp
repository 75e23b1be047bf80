// The loader's download and cradle search from the command line: the same
// parser, transfer and search as Tarvel, talking through the console.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string_view>

#include "common/clock.h"
#include "common/console_ui.h"
#include "common/cp1251.h"
#include "common/file_replace.h"
#include "designer/link/system_serial_link.h"
#include "loader/command_line.h"
#include "loader/link/cradle_search.h"
#include "loader/link/loader_image.h"
#include "loader/link/loader_notices.h"
#include "loader/link/terminals_at_once.h"
#include "loader/link/unattended_load.h"
#include "loader/loader_string_ids.h"
#include "tools/uzx/commands.h"

namespace uzx {
namespace {

// uzx load: 0 loaded, 1 a format error, 2 the task file refused, 3 the port,
// the cradle or the transfer failed.
constexpr int kLoaded = 0;
constexpr int kFormatError = 1;
constexpr int kTaskRefused = 2;
constexpr int kLoadFailed = 3;
// uzx loader-image, as the other file commands.
constexpr int kFailed = 1;
constexpr int kUsage = 2;

constexpr const char* kLoadUsage =
    "usage: uzx load TASK,SPEED,PORT,LINK\n"
    "       uzx load TASK --ports COM3,COM5,... [--speed BPS] [--link 0|1]\n";

std::string Joined(const Args& args) {
    std::string text;
    for (std::size_t i = 0; i < args.size(); ++i) text += (i ? " " : "") + args[i];
    return text;
}

int ExitStatusOf(loader::UnattendedEnd end) {
    switch (end) {
        case loader::UnattendedEnd::Loaded:
        case loader::UnattendedEnd::Quit: return kLoaded;
        case loader::UnattendedEnd::Interactive:
        case loader::UnattendedEnd::ContinueInteractively:
        case loader::UnattendedEnd::FormatError: return kFormatError;
        case loader::UnattendedEnd::TaskRefused: return kTaskRefused;
        case loader::UnattendedEnd::LoadFailed: return kLoadFailed;
    }
    return kLoadFailed;
}

// The loader's own command line, exactly: the arguments joined by spaces.
int RunCommandLineLoad(const Args& args) {
    if (args.empty()) {
        std::cerr << kLoadUsage;
        return kFormatError;
    }
    common::ConsoleUi ui;
    common::SteadyClock clock;
    const auto port = termlink::MakeSystemSerialLink();
    loader::LoaderSession session(ui, clock, *port);
    return ExitStatusOf(loader::RunCommandLine(Joined(args), session).end);
}

// "COM3" or "3".
std::optional<int> PortNumberOfArgument(std::string_view text) {
    if (text.size() > 3 && (text.substr(0, 3) == "COM" || text.substr(0, 3) == "com")) text.remove_prefix(3);
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const int number = std::stoi(std::string(text));
    if (number < 1) return std::nullopt;
    return number;
}

struct ManyTerminals {
    std::string taskPath;
    std::vector<int> ports;
    loader::LoadTarget target;  // its port number is each terminal's own
};

std::optional<ManyTerminals> ParseManyTerminals(const Args& args) {
    ManyTerminals many;  // 115200 bit/s and a direct link unless told otherwise
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--ports" && hasValue) {
            std::string_view list = args[++i];
            while (!list.empty()) {
                const std::size_t comma = list.find(',');
                const auto number = PortNumberOfArgument(list.substr(0, comma));
                if (!number) return std::nullopt;
                many.ports.push_back(*number);
                list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
            }
        } else if (arg == "--speed" && hasValue) {
            const auto speed = loader::SpeedIndexOfRate(args[++i]);
            if (!speed) return std::nullopt;
            many.target.speedIndex = *speed;
        } else if (arg == "--link" && hasValue) {
            const std::string& link = args[++i];
            if (link != "0" && link != "1") return std::nullopt;
            many.target.linkType = link[0] - '0';
        } else if (many.taskPath.empty() && !arg.starts_with("--")) {
            many.taskPath = arg;
        } else {
            return std::nullopt;
        }
    }
    if (many.taskPath.empty() || many.ports.empty()) return std::nullopt;
    return many;
}

// "COM3 loaded 8300RU004 12.34": the port, the result, what the terminal
// answered ("-" when nothing) and the seconds the load took.
std::string ResultLine(const loader::TerminalLoad& load) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.2f", load.seconds);
    const std::string& id = load.outcome.terminalId;
    return "COM" + std::to_string(load.portNumber) + ' ' + (load.outcome.delivered ? "loaded" : "failed") + ' ' +
           (id.empty() ? std::string("-") : common::Cp1251ToUtf8(id)) + ' ' + seconds;
}

int RunManyTerminals(const Args& args) {
    const auto many = ParseManyTerminals(args);
    if (!many) {
        std::cerr << kLoadUsage;
        return kFormatError;
    }
    common::ConsoleUi ui;
    const auto task = loader::ReadTaskForLoad(many->taskPath, loader::TaskKindForCommandLine(many->taskPath), ui);
    if (!task) return kTaskRefused;

    // Each terminal's messages name its port.
    const auto consoleFor = [](int portNumber) -> std::unique_ptr<common::UiPort> {
        auto console = std::make_unique<common::ConsoleUi>();
        console->prefix = "COM" + std::to_string(portNumber) + ": ";
        return console;
    };
    const auto print = [](const loader::TerminalLoad& load) { std::cout << ResultLine(load) << std::endl; };
    const auto loads = loader::LoadTerminalsAtOnce(*task, many->target, many->ports, consoleFor, print);
    const bool allLoaded =
        std::all_of(loads.begin(), loads.end(), [](const loader::TerminalLoad& l) { return l.outcome.delivered; });
    return allLoaded ? kLoaded : kLoadFailed;
}

}  // namespace

int RunLoad(const Args& args) {
    const bool many = std::find(args.begin(), args.end(), "--ports") != args.end();
    return many ? RunManyTerminals(args) : RunCommandLineLoad(args);
}

int RunLoaderImage(const Args& args) {
    if (args.size() != 4 || args[2] != "--firmware") {
        std::cerr << "usage: uzx loader-image TASK OUT --firmware ID\n";
        return kUsage;
    }
    common::ConsoleUi ui;
    const auto task = loader::ReadTaskForLoad(args[0], loader::TaskKindForCommandLine(args[0]), ui);
    if (!task) return kFailed;
    const std::string& reply = args[3];
    switch (loader::JudgeHandshakeReply(reply, loader::SignatureOf(*task))) {
        case loader::ReplyVerdict::Accepted: break;
        case loader::ReplyVerdict::Silent:
            std::cerr << "uzx: a terminal that answers \"" << reply << "\" is sent nothing\n";
            return kFailed;
        case loader::ReplyVerdict::Mismatch: termlink::Show(ui, loader::FirmwareMismatch()); return kFailed;
        case loader::ReplyVerdict::TryAgain:
            termlink::Show(ui, loader::LoaderError(loader::ids::kTerminalNotReady));
            return kFailed;
    }
    const loader::FirmwareId terminal = loader::TerminalIdOf(reply);
    const auto image = loader::BuildLoaderImage(*task, terminal);
    if (!image) {
        termlink::Show(ui, loader::FirmwareMismatch());
        return kFailed;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(image->bytes.data()), image->bytes.size());
    if (const common::ReplaceResult written = common::ReplaceFileContents(args[1], bytes); !written.ok) {
        std::cerr << "uzx: cannot write " << args[1] << ": " << written.error << '\n';
        return kFailed;
    }
    const std::string id(loader::TerminalIdText(terminal));
    std::cout << common::Cp1251ToUtf8(id) << ": mode " << static_cast<int>(image->mode) << ", " << image->blocks
              << " blocks\n";
    return 0;
}

int RunFindCradle(const Args& args) {
    if (!args.empty()) {
        std::cerr << "usage: uzx find-cradle\n";
        return kUsage;
    }
    common::ConsoleUi ui;
    common::SteadyClock clock;
    const auto port = termlink::MakeSystemSerialLink();
    std::string name;
    const int number = loader::DetectCradleLoader(*port, clock, name);
    if (number < 1) {
        loader::TellCradleNotFound(ui);
        return kLoadFailed;
    }
    std::cout << "COM" << number << '\n';
    return 0;
}

}  // namespace uzx
