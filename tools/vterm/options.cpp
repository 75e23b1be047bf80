#include "tools/vterm/options.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "designer/link/protocol.h"
#include "tools/vterm/port_registration.h"

namespace vterm {

const char kUsage[] =
    "usage: vterm [options]\n"
    "Plays a terminal of any model and its infrared cradle on a pseudo-terminal and\n"
    "registers it in the port map. Prints \"<device> <COM name>\" once ready.\n"
    "\n"
    "  --com COMn            the name in the port map (default: the lowest number\n"
    "                        the port list leaves free)\n"
    "  --firmware ID         what the handshake is answered with, up to 15 characters\n"
    "                        (8300RU004; a radio terminal: 80xxRU102, ACK, ...)\n"
    "  --blocks N            the blocks of a task: 200 (batch terminals), 50 or 182\n"
    "                        (radio terminals, small and large tasks)\n"
    "  --lookup              answer handshakes as a terminal waiting for a lookup file\n"
    "  --task-out FILE       store a received task as a designer's task file (200 blocks)\n"
    "  --image-out FILE      store a received task's bytes as they came (100 a block)\n"
    "  --lookup-out FILE     store a received lookup file as text (CR LF lines)\n"
    "                        (each file is checked at start: it must be writable)\n"
    "  --records FILE        the records an upload sends: a text file, one record a\n"
    "                        line of at most 251 characters, empty lines skipped\n"
    "  --no-cradle           no infrared cradle on the line: probes stay unanswered\n"
    "  --cradle-rate RATE    the rate the cradle listens at first (9600)\n"
    "  --wire-speed          every byte takes ten bit times at the line's rate\n"
    "  --once                exit after one transfer\n"
    "  --verbose             tell each step on stderr\n"
    "Faults (frames count from 1 in each transfer: task block n-1, lookup line n,\n"
    "upload record n):\n"
    "  --silent              never answer anything\n"
    "  --nak N               refuse the first N frames (upload: the first N requests)\n"
    "  --full-at N           answer frame N with FULL\n"
    "  --bad-checksum N      send upload record N with a wrong checksum\n"
    "  --drop N              lose the middle third of frame N's bytes\n"
    "  --fault-times K       frame N meets its fault K times (1; 0 = every time)\n"
    "  --cut-after N         close the line once N frames were handled\n"
    "A port map link left by a vterm that was killed is taken over, with a note.\n"
    "Exit status: 0 the transfer completed (--once) or vterm was stopped by a signal,\n"
    "1 a bad command line, 2 the pseudo-terminal, port map or a file failed,\n"
    "3 the transfer ended without completing (--once, or a cut line).\n";

namespace {

constexpr std::size_t kLongestFirmware = 15;

bool ParseCount(const std::string& text, int& out) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0) return false;
    out = value;
    return true;
}

}  // namespace

bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error) {
    TerminalOptions& t = options.terminal;
    const std::pair<const char*, std::string*> texts[] = {
        {"--com", &options.comName},         {"--firmware", &t.firmware},
        {"--task-out", &options.taskOut},    {"--image-out", &options.imageOut},
        {"--lookup-out", &options.lookupOut}, {"--records", &options.recordsFile},
    };
    const std::pair<const char*, int*> counts[] = {
        {"--nak", &t.nakFirst},         {"--full-at", &t.fullAt},     {"--bad-checksum", &t.badChecksumAt},
        {"--drop", &t.dropAt},          {"--fault-times", &t.faultTimes}, {"--cut-after", &t.cutAfter},
        {"--blocks", &t.blocks},
    };
    const std::pair<const char*, bool*> flags[] = {
        {"--lookup", &t.lookupMode}, {"--silent", &t.silent},   {"--wire-speed", &options.wireSpeed},
        {"--once", &options.once},   {"--verbose", &options.verbose}, {"--help", &options.help},
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        bool known = false;
        for (const auto& [name, flag] : flags) {
            if (arg == name) *flag = known = true;
        }
        if (arg == "--no-cradle") {
            t.cradle = false;
            known = true;
        }
        if (known) continue;

        if (i + 1 >= args.size()) {
            error = "unknown option or missing value: " + arg;
            return false;
        }
        const std::string& value = args[i + 1];
        for (const auto& [name, text] : texts) {
            if (arg == name) {
                *text = value;
                known = true;
            }
        }
        for (const auto& [name, count] : counts) {
            if (arg == name) {
                if (!ParseCount(value, *count)) {
                    error = arg + " wants a number, not " + value;
                    return false;
                }
                known = true;
            }
        }
        if (arg == "--cradle-rate") {
            int rate = 0;
            if (!ParseCount(value, rate) ||
                (rate != 9600 && rate != 19200 && rate != 38400 && rate != 57600 && rate != 115200)) {
                error = "--cradle-rate wants 9600, 19200, 38400, 57600 or 115200";
                return false;
            }
            t.cradleRate = static_cast<std::uint32_t>(rate);
            known = true;
        }
        if (!known) {
            error = "unknown option: " + arg;
            return false;
        }
        ++i;
    }
    // The port map names ports in capitals; "com7" is taken as "COM7".
    std::transform(options.comName.begin(), options.comName.end(), options.comName.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (!options.comName.empty() && !IsComName(options.comName)) {
        error = "--com wants a name COM1 to COM9999, not " + options.comName;
        return false;
    }
    if (t.firmware.empty() || t.firmware.size() > kLongestFirmware) {
        error = "--firmware wants 1 to 15 characters (the loader reads at most 16 bytes with the CR)";
        return false;
    }
    if (t.blocks < 1 || t.blocks > static_cast<int>(termlink::wire::kMaxBlocks)) {
        error = "--blocks wants 1 to 200";
        return false;
    }
    if (!options.taskOut.empty() && t.blocks != static_cast<int>(termlink::wire::kMaxBlocks)) {
        error = "--task-out wants the 200 blocks of a designer's task";
        return false;
    }
    return true;
}

}  // namespace vterm
