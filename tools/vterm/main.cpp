// vterm: a batch terminal and its infrared cradle on a pseudo-terminal, for
// trying transfers without hardware. See --help.
#include <csignal>
#ifdef __linux__
#include <sys/prctl.h>
#endif
#include <algorithm>
#include <exception>
#include <iostream>

#include "common/clock.h"
#include "common/file_replace.h"
#include "common/whole_file.h"
#include "designer/link/port_list.h"
#include "designer/task/task_file.h"
#include "designer/transfer/lookup_lines.h"
#include "designer/transfer/terminal_image_decode.h"
#include "tools/vterm/options.h"
#include "tools/vterm/port_registration.h"
#include "tools/vterm/pty_line.h"
#include "tools/vterm/virtual_terminal.h"
#include "tools/vterm/wire_speed_line.h"

namespace {

constexpr int kExitUsage = 1;
constexpr int kExitSetup = 2;
constexpr int kExitIncomplete = 3;
constexpr std::uint32_t kDrainMs = 2000;
// A record frame holds at most 255 bytes: the sequence byte, the record, two checksum bytes and CR.
constexpr std::size_t kMaxRecordLength = 251;

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

// Not restarted: a pending poll() returns, so the program notices at once.
void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

// More records than any terminal holds; a larger file is something else.
constexpr std::size_t kMaxRecordsFileSize = 16 << 20;

// One record a line, the lines ended as a lookup file's may be; empty lines
// are skipped. False with `error` set when the file cannot be read, is too
// large, or a record would not fit its frame.
bool ReadRecords(const std::string& path, std::vector<std::string>& records, std::string& error) {
    const common::WholeFile file = common::ReadWholeFile(path, kMaxRecordsFileSize);
    if (file.status != common::WholeFileStatus::Ok) {
        error = (file.status == common::WholeFileStatus::TooLarge ? "the records file is larger than 16 MiB: "
                                                                  : "cannot read the records file ") +
                path;
        return false;
    }
    const transfer::LookupLineSplitter::LineSink keep = [&](std::string_view line) {
        if (line.size() > kMaxRecordLength) {
            error = "record " + std::to_string(records.size() + 1) + " of " + path + " is longer than " +
                    std::to_string(kMaxRecordLength) + " characters";
            return false;
        }
        if (!line.empty()) records.emplace_back(line);
        return true;
    };
    transfer::LookupLineSplitter lines;
    return lines.Feed(file.bytes, keep) && lines.Finish(keep);
}

// Each file vterm is to write is checked before anything is received, so a
// transfer never ends in a file that cannot be stored.
bool CheckOutputs(const vterm::Options& options, std::string& error) {
    const std::pair<const char*, const std::string*> outputs[] = {
        {"--task-out", &options.taskOut}, {"--image-out", &options.imageOut}, {"--lookup-out", &options.lookupOut}};
    for (const auto& [flag, path] : outputs) {
        if (path->empty()) continue;
        const common::ReplaceResult check = common::CheckReplaceable(*path);
        if (!check.ok) {
            error = std::string("cannot write ") + flag + " " + *path + ": " + check.error;
            return false;
        }
    }
    return true;
}

void Store(const std::string& path, std::string_view content, const char* what) {
    const common::ReplaceResult result = common::ReplaceFileContents(path, content);
    if (!result.ok) std::cerr << "vterm: cannot store the " << what << " in " << path << ": " << result.error << '\n';
}

vterm::TerminalSinks MakeSinks(const vterm::Options& options) {
    vterm::TerminalSinks sinks;
    sinks.taskReceived = [&options](const std::vector<std::uint8_t>& blocks) {
        if (!options.imageOut.empty())
            Store(options.imageOut, std::string_view(reinterpret_cast<const char*>(blocks.data()), blocks.size()),
                  "image");
        // The options allow a task file only for the designer's 200 blocks.
        if (!options.taskOut.empty()) {
            transfer::TerminalImage image{};
            std::copy_n(blocks.begin(), image.size(), image.begin());
            const task::WriteResult result = task::WriteTaskFile(options.taskOut, transfer::DecodeTerminalImage(image));
            if (!result.ok) std::cerr << "vterm: cannot store the task in " << options.taskOut << ": " << result.error << '\n';
        }
    };
    sinks.lookupReceived = [&options](const std::vector<std::string>& lines) {
        if (options.lookupOut.empty()) return;
        std::string text;
        for (const std::string& line : lines) text += line + "\r\n";
        Store(options.lookupOut, text, "lookup file");
    };
    if (options.verbose) sinks.log = [](const std::string& event) { std::cerr << "vterm: " << event << '\n'; };
    return sinks;
}

int Run(int argc, char** argv) {
    vterm::Options options;
    std::string error;
    if (!vterm::ParseOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::cerr << "vterm: " << error << '\n' << vterm::kUsage;
        return kExitUsage;
    }
    if (options.help) {
        std::cout << vterm::kUsage;
        return 0;
    }
    if (!options.recordsFile.empty() && !ReadRecords(options.recordsFile, options.terminal.records, error)) {
        std::cerr << "vterm: " << error << '\n';
        return kExitSetup;
    }
    if (!CheckOutputs(options, error)) {
        std::cerr << "vterm: " << error << '\n';
        return kExitSetup;
    }

    vterm::PtyLine pty;
    if (!pty.Create(error)) {
        std::cerr << "vterm: " << error << '\n';
        return kExitSetup;
    }
    vterm::PortRegistration registration;
    std::string note;
    std::vector<std::string> listed;
    for (const termlink::SerialPort& port : termlink::EnumerateSerialPorts().value_or(std::vector<termlink::SerialPort>{}))
        listed.push_back(port.name);
    if (!registration.Register(termlink::PortMapFolder(), options.comName, pty.SlavePath(), error, note, listed)) {
        std::cerr << "vterm: " << error << '\n';
        return kExitSetup;
    }
    if (!note.empty()) std::cerr << "vterm: " << note << '\n';
    CatchStopSignals();
    pty.SetStopFlag(&stopRequested);
    std::cout << pty.SlavePath() << ' ' << registration.ComName() << std::endl;

#ifdef __linux__
    // Paced bytes are a fraction of a millisecond apart: wake on time.
    if (options.wireSpeed) prctl(PR_SET_TIMERSLACK, 1UL);
#endif
    common::SteadyClock clock;
    auto lineRate = [&pty] { return pty.LineRate(); };
    vterm::WireSpeedLine paced(pty, lineRate);
    termlink::SerialLink& line = options.wireSpeed ? static_cast<termlink::SerialLink&>(paced) : pty;
    vterm::VirtualTerminal terminal(line, clock, lineRate, options.terminal, MakeSinks(options));

    for (;;) {
        const vterm::TransferEnd end = terminal.ServeOne();
        if (stopRequested) return 0;
        switch (end) {
            case vterm::TransferEnd::Completed:
                if (options.once) {
                    pty.Drain(kDrainMs);
                    return 0;
                }
                break;
            case vterm::TransferEnd::Cut:
                return kExitIncomplete;
            case vterm::TransferEnd::LineFailed:
                std::cerr << "vterm: the line failed\n";
                return kExitSetup;
            case vterm::TransferEnd::Refused:
            case vterm::TransferEnd::Abandoned:
                if (options.once) {
                    pty.Drain(kDrainMs);
                    return kExitIncomplete;
                }
                break;
        }
    }
}

}  // namespace

// Failures are reported where they happen; this only keeps anything that
// still escapes (memory running out) from ending in an abort that leaves the
// port map link behind.
int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "vterm: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "vterm: an unexpected failure\n";
    }
    return kExitSetup;
}
