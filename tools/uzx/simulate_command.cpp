// uzx simulate: runs a task file on the simulator's engine without a window
// and prints what the terminal's screen shows after a list of key presses.
#include <charconv>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/clock.h"
#include "common/console_ui.h"
#include "common/cp1251.h"
#include "designer/simulator/engine.h"
#include "designer/simulator/local_time.h"
#include "designer/strings/english_table.h"
#include "designer/task/defaults.h"
#include "tools/uzx/commands.h"
#include "tools/uzx/task_input.h"
#include "tools/uzx/terminal_png.h"

namespace uzx {
namespace {

constexpr const char* kUsage =
    "simulate FILE --keys LIST [--time YYYY-MM-DDTHH:MM:SS] [--png OUT [--zoom 1..3]]";
constexpr std::uint32_t kTickMs = 100;

// One entry of the key list: a key number (51 restarts) or a run of timer ticks.
struct Step {
    bool ticks = false;
    int count = 0;
};

struct Options {
    std::string file;
    std::vector<Step> steps;
    std::optional<simulator::CivilTime> time;
    std::string png;  // where to draw the terminal; empty for none
    double zoom = 1.0;
};

std::optional<int> ParseNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::vector<Step>> ParseKeys(std::string_view list) {
    std::vector<Step> steps;
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view item = list.substr(0, comma);
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
        const bool ticks = !item.empty() && item[0] == 't';
        const std::optional<int> number = ParseNumber(ticks ? item.substr(1) : item);
        const bool valid = number && (ticks ? *number >= 0
                                            : ((*number >= 1 && *number <= simulator::kKeyCount) ||
                                               *number == simulator::kRestartKey));
        if (!valid) {
            std::cerr << "uzx simulate: not a key or tick count: \"" << item << "\"\n";
            return std::nullopt;
        }
        steps.push_back({ticks, *number});
    }
    return steps;
}

std::optional<simulator::CivilTime> ParseTime(std::string_view text) {
    // YYYY-MM-DDTHH:MM:SS
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
        text[16] != ':') {
        return std::nullopt;
    }
    const auto year = ParseNumber(text.substr(0, 4)), month = ParseNumber(text.substr(5, 2)),
               day = ParseNumber(text.substr(8, 2)), hour = ParseNumber(text.substr(11, 2)),
               minute = ParseNumber(text.substr(14, 2)), second = ParseNumber(text.substr(17, 2));
    if (!year || !month || !day || !hour || !minute || !second || *month < 1 || *month > 12 || *day < 1 ||
        *day > 31 || *hour > 23 || *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    return simulator::CivilTime{*year, *month, *day, *hour, *minute, *second};
}

// "1", "1.5", "2.25": the zoom in hundredths, from 100 to 300.
std::optional<int> ParseZoomPercent(std::string_view text) {
    const std::size_t dot = text.find('.');
    const std::optional<int> whole = ParseNumber(text.substr(0, dot));
    if (!whole) return std::nullopt;
    int percent = *whole * 100;
    if (dot != std::string_view::npos) {
        const std::string_view fraction = text.substr(dot + 1);
        const std::optional<int> digits = ParseNumber(fraction);
        if (!digits || fraction.size() > 2) return std::nullopt;
        percent += fraction.size() == 1 ? *digits * 10 : *digits;
    }
    if (percent < 100 || percent > 300) return std::nullopt;
    return percent;
}

std::optional<Options> ParseOptions(const Args& args) {
    Options options;
    bool haveKeys = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--keys" && hasValue) {
            auto steps = ParseKeys(args[++i]);
            if (!steps) return std::nullopt;
            options.steps = std::move(*steps);
            haveKeys = true;
        } else if (arg == "--time" && hasValue) {
            options.time = ParseTime(args[++i]);
            if (!options.time) {
                std::cerr << "uzx simulate: the time is not YYYY-MM-DDTHH:MM:SS: \"" << args[i] << "\"\n";
                return std::nullopt;
            }
        } else if (arg == "--png" && hasValue) {
            options.png = args[++i];
        } else if (arg == "--zoom" && hasValue) {
            const std::optional<int> percent = ParseZoomPercent(args[++i]);
            if (!percent) {
                std::cerr << "uzx simulate: the zoom is not a number from 1 to 3: \"" << args[i] << "\"\n";
                return std::nullopt;
            }
            options.zoom = *percent / 100.0;
        } else if (options.file.empty() && !arg.starts_with("--")) {
            options.file = arg;
        } else {
            std::cerr << "uzx simulate: " << (arg.starts_with("--") ? "unknown option or missing value: " : "one task file only: ")
                      << arg << '\n';
            return std::nullopt;
        }
    }
    if (options.file.empty() || !haveKeys) return std::nullopt;
    return options;
}

// The 8 lines, each padded to the screen's width, then where the highlight
// and the cursor are (row and column from 0) and the record count.
void PrintScreen(const simulator::ScreenBuffer& screen, int records) {
    for (int row = 0; row < simulator::kScreenLines; ++row) {
        std::cout << common::Cp1251ToUtf8(simulator::DisplayedLine(screen, row)) << '\n';
    }
    std::cout << "highlight=" << screen.highlight << " cursor=";
    if (screen.cursorRow < 0) {
        std::cout << "none";
    } else {
        std::cout << screen.cursorRow << ',' << screen.cursorColumn;
    }
    std::cout << " records=" << records << '\n';
}

}  // namespace

int RunSimulate(const Args& args) {
    const std::optional<Options> options = ParseOptions(args);
    if (!options) {
        std::cerr << "usage: uzx " << kUsage << '\n';
        return 2;
    }
    text::StringTable strings = strings::MakeStringTable();
    const task::DefaultTexts texts = task::LoadDefaultTexts(strings);
    common::ConsoleUi ui;
    task::Task task;
    task::MakeNewTask(task.model, texts);
    if (!ReadTaskArgument(options->file, task, texts, strings, ui)) return 1;
    const int warningsBeforeTheRun = ui.warnings;

    // With --time the clock starts there and runs on with the ticks alone.
    common::TestClock tickClock;
    simulator::SystemLocalTime systemTime;
    std::optional<simulator::ClockedLocalTime> fixedTime;
    if (options->time) fixedTime.emplace(*options->time, tickClock);
    simulator::LocalTime& time = fixedTime ? static_cast<simulator::LocalTime&>(*fixedTime) : systemTime;

    simulator::Engine engine(task, strings, ui, time);
    // Collect data on a task with nothing to run: the designer's New.
    engine.SetNewTaskRequest([&] {
        task = task::Task{};
        task::MakeNewTask(task.model, texts);
        engine.RestartAtMainMenu();
    });
    for (const Step& step : options->steps) {
        if (!step.ticks) {
            engine.PressKey(step.count);
            continue;
        }
        for (int i = 0; i < step.count; ++i) {
            tickClock.Advance(kTickMs);
            engine.Tick();
        }
    }
    PrintScreen(engine.Screen(), task.recordCounter);
    if (!options->png.empty()) {
        std::string error;
        if (!WriteTerminalPng(engine.Screen(), options->zoom, options->png, error)) {
            std::cerr << "uzx simulate: " << error << '\n';
            return 1;
        }
    }
    // A script must learn that the task showed an error box on the way.
    return ui.warnings > warningsBeforeTheRun ? 1 : 0;
}

}  // namespace uzx
