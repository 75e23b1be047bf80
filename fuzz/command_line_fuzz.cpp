// The loader's command line, read and run against a terminal on the
// in-memory link that takes everything. A line that is not a load starts
// nothing: the port is never touched, and only a format error asks its
// question. A load names a rate, a port and a link type the loader has, and
// written plainly it reads back the same; its port is opened only once the
// task file was read.
//
// The first byte picks what the text starts with (a real batch or radio
// task, a folder, an empty file, a missing one, or nothing) so that the
// fuzzer need not guess a path; the rest of the input follows it.
#include <array>
#include <string>

#include "fuzz/fuzz_input.h"
#include "loader/link/unattended_load.h"
#include "loader/test_support.h"
#include "testing/scripted_ui.h"
#include "testing/temp_folder.h"
#include "testing/test_terminal.h"

namespace {

using test_support::ShownEvent;

const test_support::TempFolder& Folder() {
    static const test_support::TempFolder folder;
    static const bool written = [] {
        const auto text = [](const loader::testing::Bytes& b) { return std::string(b.begin(), b.end()); };
        folder.Write("shop.UZX", text(loader::testing::PatternFile("8300RU004", 18954)));
        folder.Write("route.atf", text(loader::testing::PatternFile("80xxRU102", 4714)));
        folder.Write("folder.uzx/inside", "");
        folder.Write("empty.uzx", "");
        return true;
    }();
    (void)written;
    return folder;
}

std::string Start(int choice) {
    static const std::array<std::string, 5> names = {"shop.UZX", "route.atf", "folder.uzx", "empty.uzx",
                                                     "missing.a85"};
    return choice < static_cast<int>(names.size()) ? Folder().File(names[choice]) : std::string();
}

bool Asked(const test_support::ScriptedUi& ui) {
    return !ui.events.empty() && ui.events.back().kind == ShownEvent::Kind::Question;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    using loader::CommandLineVerdict;
    using loader::UnattendedEnd;
    fuzz::Input input(data, size);
    const std::string text = Start(input.Below(8)) + input.Rest();

    common::TestClock clock;
    test_support::MemoryLinkPair pair{clock};
    test_support::TestTerminal terminal{pair};
    terminal.answer = [](const std::string& w) { return w == "CIPHER\r" ? "8300RU004\r" : "ACK\r"; };
    test_support::ScriptedUi ui;
    loader::LoaderSession session{ui, clock, pair.host()};

    const loader::ParsedCommandLine parsed = loader::ParseCommandLine(text);
    const loader::UnattendedResult result = loader::RunCommandLine(text, session);
    const bool portTouched = !pair.host().ops.empty();
    Require(!pair.host().IsOpen() && ui.openProgressWindows == 0, "a port or a progress window was left open");

    switch (parsed.verdict) {
        case CommandLineVerdict::Interactive:
        case CommandLineVerdict::Quit:
            Require(result.end == (parsed.verdict == CommandLineVerdict::Quit ? UnattendedEnd::Quit
                                                                               : UnattendedEnd::Interactive),
                    "the run ended other than the parse said");
            Require(text.empty() || text.find("/?") != std::string::npos, "a command line was taken for none");
            Require(ui.events.empty() && !portTouched, "a line that is no load said or started something");
            return 0;
        case CommandLineVerdict::FormatError:
            Require(!portTouched, "a refused command line touched the port");
            Require(result.end == UnattendedEnd::TaskRefused ? !ui.events.empty() : Asked(ui),
                    "a refused command line was not told");
            return 0;
        case CommandLineVerdict::Load: break;
    }

    const loader::LoadTarget& target = parsed.load.target;
    Require(target.speedIndex >= 0 && target.speedIndex <= 4, "a load at a rate the loader does not have");
    Require(target.portNumber >= 1, "a load through a port below COM1");
    Require(target.linkType == 0 || target.linkType == 1, "a load over a link type the loader does not have");
    static const std::array<const char*, 5> rates = {"115200", "57600", "38400", "19200", "9600"};
    const loader::ParsedCommandLine plain = loader::ParseCommandLine(
        parsed.load.taskPath + "," + rates[target.speedIndex] + "," + std::to_string(target.portNumber) + "," +
        std::to_string(target.linkType));
    Require(plain.verdict == CommandLineVerdict::Load && plain.load.taskPath == parsed.load.taskPath &&
                plain.load.kind == parsed.load.kind && plain.load.target.speedIndex == target.speedIndex &&
                plain.load.target.portNumber == target.portNumber && plain.load.target.linkType == target.linkType,
            "a load written plainly reads back differently");

    if (result.end == UnattendedEnd::TaskRefused) {
        Require(!portTouched && !ui.events.empty(), "a refused task file touched the port or was not told");
        return 0;
    }
    Require(result.end == UnattendedEnd::Loaded || result.end == UnattendedEnd::LoadFailed,
            "a load ended other than loaded or failed");
    Require(pair.host().openedDevice == loader::LoaderPortDevice(target.portNumber), "the load opened another port");
    Require((result.end == UnattendedEnd::Loaded) == result.transfer.delivered, "a load told other than it ran");
    Require(result.end == UnattendedEnd::Loaded || Asked(ui) || !ui.events.empty(), "a failed load was not told");
    return 0;
}
