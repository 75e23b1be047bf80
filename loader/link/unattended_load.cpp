#include "loader/link/unattended_load.h"

namespace loader {

UnattendedResult RunCommandLine(std::string_view text, LoaderSession& session) {
    const ParsedCommandLine parsed = ParseCommandLine(text);
    UnattendedResult result;
    if (parsed.verdict == CommandLineVerdict::Interactive) {
        result.end = UnattendedEnd::Interactive;
        return result;
    }
    if (parsed.verdict == CommandLineVerdict::Quit) {
        result.end = UnattendedEnd::Quit;
        return result;
    }
    // The task file is read as soon as it is named, before the speed, port
    // and link type are judged: a file that cannot be read ends the run with
    // the reader's message, whatever follows it.
    std::optional<LoadedTask> task;
    if (parsed.namesTask) {
        task = ReadTaskForLoad(parsed.load.taskPath, parsed.load.kind, session.ui);
        if (!task) {
            result.end = UnattendedEnd::TaskRefused;
            return result;
        }
    }
    if (parsed.verdict == CommandLineVerdict::FormatError) {
        result.end = AskToContinueAfterFormatError(session.ui) ? UnattendedEnd::ContinueInteractively
                                                               : UnattendedEnd::FormatError;
        return result;
    }
    result.load = parsed.load;
    result.transfer = RunLoaderTransfer(session, *task, parsed.load.target, true);
    result.end = result.transfer.delivered ? UnattendedEnd::Loaded : UnattendedEnd::LoadFailed;
    return result;
}

}  // namespace loader
