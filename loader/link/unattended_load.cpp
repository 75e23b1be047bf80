#include "loader/link/unattended_load.h"

namespace loader {

UnattendedResult RunCommandLine(std::string_view text, LoaderSession& session) {
    const ParsedCommandLine parsed = ParseCommandLine(text);
    UnattendedResult result;
    switch (parsed.verdict) {
        case CommandLineVerdict::Interactive: result.end = UnattendedEnd::Interactive; return result;
        case CommandLineVerdict::Quit: result.end = UnattendedEnd::Quit; return result;
        case CommandLineVerdict::FormatError:
            result.end = AskToContinueAfterFormatError(session.ui) ? UnattendedEnd::ContinueInteractively
                                                                   : UnattendedEnd::FormatError;
            return result;
        case CommandLineVerdict::Load: break;
    }
    result.load = parsed.load;
    const std::optional<LoadedTask> task = ReadTaskForLoad(parsed.load.taskPath, parsed.load.kind, session.ui);
    if (!task) {
        result.end = UnattendedEnd::TaskRefused;
        return result;
    }
    result.transfer = RunLoaderTransfer(session, *task, parsed.load.target, true);
    result.end = result.transfer.delivered ? UnattendedEnd::Loaded : UnattendedEnd::LoadFailed;
    return result;
}

}  // namespace loader
