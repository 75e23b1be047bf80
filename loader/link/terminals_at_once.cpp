#include "loader/link/terminals_at_once.h"

#include <chrono>
#include <mutex>
#include <thread>

#include "designer/link/system_serial_link.h"

namespace loader {
namespace {

struct Shared {
    const LoadedTask& task;
    const LoadTarget& target;
    const std::function<std::unique_ptr<common::UiPort>(int)>& uiFor;
    const std::function<void(const TerminalLoad&)>& finished;
    std::mutex finishing;
};

void LoadOne(Shared& shared, TerminalLoad& load) {
    const std::unique_ptr<common::UiPort> ui = shared.uiFor(load.portNumber);
    common::SteadyClock clock;
    const std::unique_ptr<termlink::SerialLink> port = termlink::MakeSystemSerialLink();
    LoaderSession session(*ui, clock, *port);
    const LoadedTask task = shared.task;
    LoadTarget target = shared.target;
    target.portNumber = load.portNumber;

    const auto start = std::chrono::steady_clock::now();
    load.outcome = RunLoaderTransfer(session, task, target, true);
    load.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::lock_guard<std::mutex> lock(shared.finishing);
    if (shared.finished) shared.finished(load);
}

}  // namespace

std::vector<TerminalLoad> LoadTerminalsAtOnce(const LoadedTask& task, const LoadTarget& target,
                                              const std::vector<int>& portNumbers,
                                              const std::function<std::unique_ptr<common::UiPort>(int)>& uiFor,
                                              const std::function<void(const TerminalLoad&)>& finished) {
    std::vector<TerminalLoad> loads(portNumbers.size());
    Shared shared{task, target, uiFor, finished, {}};
    std::vector<std::thread> threads;
    threads.reserve(loads.size());
    for (std::size_t i = 0; i < loads.size(); ++i) {
        loads[i].portNumber = portNumbers[i];
        threads.emplace_back(LoadOne, std::ref(shared), std::ref(loads[i]));
    }
    for (std::thread& thread : threads) thread.join();
    return loads;
}

}  // namespace loader
