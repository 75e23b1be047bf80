// Times the loader's download in each mode through the virtual terminal
// pacing its bytes at 115200 bit/s, against the time the bytes need on such
// a wire, with the host's CPU time while it waits; then eight terminals
// loaded at once, against the time of one.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "common/clock.h"
#include "common/console_ui.h"
#include "designer/link/system_serial_link.h"
#include "loader/link/loader_transfer.h"
#include "loader/link/terminals_at_once.h"
#include "testing/temp_folder.h"
#include "testing/vterm_process.h"

namespace {

constexpr double kHandshakePause = 0.1;  // the loader waits 100 ms before it says "CIPHER"
constexpr int kTerminalsAtOnce = 8;

double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Mode {
    const char* name;
    const char* taskFile;
    std::string identifier;  // in the task file, and what the terminal answers
    std::size_t fileSize;
    std::vector<std::string> vtermFlags;
};

// A task file of `size` bytes: the identifier, then zeros, which every
// reader takes.
std::string WriteTask(const test_support::TempFolder& folder, const Mode& mode) {
    std::string bytes(mode.fileSize, '\0');
    bytes.replace(0, mode.identifier.size(), mode.identifier);
    folder.Write(mode.taskFile, bytes);
    return folder.File(mode.taskFile);
}

std::unique_ptr<test_support::VtermProcess> StartTerminal(const Mode& mode, int portNumber) {
    std::vector<std::string> flags = {"--wire-speed", "--firmware", mode.identifier, "--com",
                                      "COM" + std::to_string(portNumber)};
    flags.insert(flags.end(), mode.vtermFlags.begin(), mode.vtermFlags.end());
    std::string error;
    auto vterm = test_support::VtermProcess::Start(flags, error);
    if (!vterm) std::fprintf(stderr, "bench_loader: %s\n", error.c_str());
    return vterm;
}

std::optional<loader::LoadedTask> ReadTask(const std::string& path) {
    common::ConsoleUi ui;
    return loader::ReadTaskForLoad(path, loader::TaskKindForCommandLine(path), ui);
}

// One terminal: the time against the wire's, with the bytes counted on the port.
bool MeasureOne(const test_support::TempFolder& folder, const Mode& mode) {
    const auto task = ReadTask(WriteTask(folder, mode));
    auto vterm = task ? StartTerminal(mode, 1) : nullptr;
    if (!vterm) return false;

    common::ConsoleUi ui;
    common::SteadyClock clock;
    auto system = termlink::MakeSystemSerialLink();
    bench::CountingLink link(*system);
    loader::LoaderSession session(ui, clock, link);
    const double cpuBefore = bench::CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const bool ok = loader::RunLoaderTransfer(session, *task, {0, 1, 0}, true).delivered;
    const double wall = Since(start);
    const double cpu = bench::CpuSeconds() - cpuBefore;
    const double wire = link.WireSeconds();
    std::printf("%-22s %s  time %7.3f s  wire %7.3f s + pause %.1f s  ratio %5.3f  cpu %6.3f s (%4.2f%% of wall)"
                "  bytes %zu out, %zu in\n",
                mode.name, ok ? "ok    " : "FAILED", wall, wire, kHandshakePause, wall / (wire + kHandshakePause),
                cpu, 100.0 * cpu / wall, link.sent, link.received);
    return ok;
}

// Eight terminals of one mode at once, each on its own port.
bool MeasureAtOnce(const test_support::TempFolder& folder, const Mode& mode, double oneTerminalSeconds) {
    const auto task = ReadTask(WriteTask(folder, mode));
    if (!task) return false;
    std::vector<std::unique_ptr<test_support::VtermProcess>> terminals;
    std::vector<int> ports;
    for (int n = 1; n <= kTerminalsAtOnce; ++n) {
        terminals.push_back(StartTerminal(mode, 10 + n));
        if (!terminals.back()) return false;
        ports.push_back(10 + n);
    }
    const auto console = [](int) -> std::unique_ptr<common::UiPort> { return std::make_unique<common::ConsoleUi>(); };
    const double cpuBefore = bench::CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const auto loads = loader::LoadTerminalsAtOnce(*task, {0, 0, 0}, ports, console, {});
    const double wall = Since(start);
    const double cpu = bench::CpuSeconds() - cpuBefore;
    int delivered = 0;
    for (const auto& load : loads) delivered += load.outcome.delivered ? 1 : 0;
    std::printf("%d terminals at once   %d of %d ok  time %7.3f s  against one %7.3f s  %5.3f x  cpu %6.3f s"
                " (%4.2f%% of wall)\n",
                kTerminalsAtOnce, delivered, kTerminalsAtOnce, wall, oneTerminalSeconds, wall / oneTerminalSeconds,
                cpu, 100.0 * cpu / wall);
    return delivered == kTerminalsAtOnce;
}

int Run() {
    const test_support::TempFolder folder;
    ::setenv("MOSTREL_PORT_MAP", folder.File("ports").c_str(), 1);
    const std::vector<Mode> modes = {
        {"mode 1 (8300)", "mixed.UZX", "8300RU004", 18954, {}},
        {"mode 2 (8600)", "wide.UZX", "8600RU004", 19279, {}},
        {"mode 3 (radio, large)", "large.ATF", "84xxRU103", 18043, {"--blocks", "182"}},
    };
    std::printf("115200 bit/s through vterm --wire-speed\n");
    bool ok = true;
    for (const Mode& mode : modes) ok = MeasureOne(folder, mode) && ok;

    // The time of one terminal alone, measured the same way as the eight.
    const auto task = ReadTask(WriteTask(folder, modes[0]));
    auto alone = StartTerminal(modes[0], 10);
    if (!task || !alone) return 1;
    const auto console = [](int) -> std::unique_ptr<common::UiPort> { return std::make_unique<common::ConsoleUi>(); };
    const auto start = std::chrono::steady_clock::now();
    ok = loader::LoadTerminalsAtOnce(*task, {0, 0, 0}, {10}, console, {})[0].outcome.delivered && ok;
    const double oneTerminal = Since(start);
    alone.reset();
    ok = MeasureAtOnce(folder, modes[0], oneTerminal) && ok;
    return ok ? 0 : 1;
}

}  // namespace

int main() {
    try {
        return Run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_loader: %s\n", e.what());
        return 1;
    }
}
