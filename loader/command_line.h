#pragma once
// The loader's command line: "task file,speed,port number,link type", which
// loads one task unattended. Tarvel and `uzx load` read it the same way.
#include <optional>
#include <string>
#include <string_view>

#include "common/ui_port.h"

namespace loader {

// Which reader a task file goes to. The loader tells the two kinds apart by
// the extension alone, and the load button and the command line compare it
// differently.
enum class TaskKind { Batch, Radio };

// The text after the last '.' of `path`; empty when there is none.
std::string_view LoadExtensionOf(std::string_view path);

// The load button: "UZX", "A85", "uzx" and "a85" exactly as written are batch
// tasks; anything else ("Uzx" too) is read as a radio task.
TaskKind TaskKindForLoadButton(std::string_view path);

// The command line: "UZX" and "A85" in any mix of cases are batch tasks;
// anything else is read as a radio task.
TaskKind TaskKindForCommandLine(std::string_view path);

// The SpeedIndex of a rate written exactly as "115200", "57600", "38400",
// "19200" or "9600"; nothing for any other text.
std::optional<int> SpeedIndexOfRate(std::string_view rate);

// How to reach the terminal, as the command line or the load page gives it.
struct LoadTarget {
    int speedIndex = 0;  // 0..4: 115200, 57600, 38400, 19200, 9600 bit/s
    int portNumber = 1;  // COM<n>, 1 and up
    int linkType = 0;    // 0 RS-232, 1 through the infrared cradle
};

struct CommandLineLoad {
    std::string taskPath;
    TaskKind kind = TaskKind::Batch;
    LoadTarget target;
};

enum class CommandLineVerdict {
    Interactive,  // no command line: the program starts as usual
    Quit,         // "/?" anywhere: the program ends at once, saying nothing
    FormatError,  // not the four fields the loader expects
    Load,         // load the task unattended
};

struct ParsedCommandLine {
    CommandLineVerdict verdict = CommandLineVerdict::Interactive;
    // Load: everything. A format error found after the first comma: the task
    // file and its kind, which the loader reads before it judges the rest.
    CommandLineLoad load;
    bool namesTask = false;  // the text has the comma that ends the task file
};

// Reads the program's arguments taken as one text, untrimmed. The speed must
// be written exactly as one of the five rates; the port must be a whole
// number of 1 and up and the link type 0 or 1, each written as a decimal
// number (spaces before it, or after it, are allowed).
ParsedCommandLine ParseCommandLine(std::string_view text);

// Tells the user the command line was not understood and asks whether to go
// on working in the window: true for Yes.
bool AskToContinueAfterFormatError(common::UiPort& ui);

}  // namespace loader
