#pragma once
// The loader started with a command line: it reads the task, loads it into
// the terminal and ends, with nothing asked but what a failure asks.
#include <string_view>

#include "loader/link/loader_transfer.h"

namespace loader {

enum class UnattendedEnd {
    Interactive,           // no command line: the window opens as usual
    Quit,                  // "/?": the program ends at once, saying nothing
    ContinueInteractively, // a format error, and the user chose to go on in the window
    FormatError,           // a format error, and the user chose to end
    TaskRefused,           // the task file could not be read (its reader said why)
    LoadFailed,            // the port, the cradle or the download failed
    Loaded,                // every block was acknowledged
};

struct UnattendedResult {
    UnattendedEnd end = UnattendedEnd::Interactive;
    CommandLineLoad load;      // what the command line asked for, once it was understood
    TransferOutcome transfer;  // for LoadFailed and Loaded
};

// Runs the command line `text` (the program's arguments as one text): checks
// it whole before anything is read or opened, asks the format question when
// it is not understood, then reads the task and downloads it without the
// completion message. The program ends after it unless told to go on.
UnattendedResult RunCommandLine(std::string_view text, LoaderSession& session);

}  // namespace loader
