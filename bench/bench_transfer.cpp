// Times a task download and an upload of 10,000 records through the virtual
// terminal pacing its bytes at 115200 bit/s, against the time the bytes need
// on such a wire, and the host's CPU time while it waits; then the same
// without pacing, which shows what the programs themselves add.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "common/clock.h"
#include "common/console_ui.h"
#include "designer/link/system_serial_link.h"
#include "designer/strings/english_table.h"
#include "designer/task/defaults.h"
#include "designer/transfer/download.h"
#include "designer/transfer/upload.h"
#include "testing/temp_folder.h"
#include "testing/vterm_process.h"

namespace {

constexpr int kRecords = 10000;

using bench::CountingLink;

// Runs one transfer and prints its figures; false when it did not succeed.
bool Measure(const char* name, CountingLink& link, const std::function<bool()>& transfer) {
    link.sent = link.received = 0;
    const double cpuBefore = bench::CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const bool ok = transfer();
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = bench::CpuSeconds() - cpuBefore;
    const double wire = link.WireSeconds();
    std::printf("%-22s %s  time %7.3f s  wire %7.3f s  ratio %5.3f  cpu %6.3f s (%4.1f%% of wall)  bytes %zu out, %zu in\n",
                name, ok ? "ok    " : "FAILED", wall, wire, wall / wire, cpu, 100.0 * cpu / wall, link.sent,
                link.received);
    return ok;
}

// Downloads a task and uploads the records through one terminal. Without
// pacing the ratio is what both programs add to the wire time.
bool RunTransfers(bool paced, const std::string& records, const std::filesystem::path& folder) {
    std::vector<std::string> flags = {"--records", records, "--com", "COM9"};
    if (paced) flags.push_back("--wire-speed");
    std::string error;
    auto vterm = test_support::VtermProcess::Start(flags, error);
    if (!vterm) {
        std::fprintf(stderr, "bench_transfer: %s\n", error.c_str());
        return false;
    }

    text::StringTable strings = strings::MakeStringTable();
    common::ConsoleUi ui;
    common::SteadyClock clock;
    task::Task task;
    task::MakeNewTask(task.model, task::LoadDefaultTexts(strings));
    termlink::LinkState state;
    auto system = termlink::MakeSystemSerialLink();
    CountingLink link(*system);
    transfer::TransferContext context{{ui, clock, link, state, vterm->Device(), 0}, task, strings, {}};

    std::printf("%s on %s\n", paced ? "115200 bit/s through vterm --wire-speed" : "vterm without pacing",
                vterm->Device().c_str());
    bool ok = Measure("task download", link, [&] { return transfer::DownloadToTerminal(context, 0, false).delivered; });
    ui.chosenPath = (folder / "DATA.TXT").string();
    ok = Measure("upload 10,000 records", link,
                 [&] { return transfer::ReceiveData(context, false).code == kRecords; }) &&
         ok;
    std::filesystem::remove(ui.chosenPath);
    return ok;
}

// Everything in a folder of its own, removed afterwards.
int Run() {
    const test_support::TempFolder folder;
    ::setenv("MOSTREL_PORT_MAP", folder.File("ports").c_str(), 1);

    const std::string records = folder.File("records.txt");
    {
        std::ofstream out(records, std::ios::binary);
        for (int i = 0; i < kRecords; ++i) out << "ITEM" << 100000 + i << ";" << (i * 37) % 1000 << ";PCS\r\n";
    }

    const bool paced = RunTransfers(true, records, folder.Path());
    const bool unpaced = RunTransfers(false, records, folder.Path());
    return paced && unpaced ? 0 : 1;
}

}  // namespace

int main() {
    try {
        return Run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_transfer: %s\n", e.what());
        return 1;
    }
}
