#include <windows.h>

#include <cstring>
#include <functional>
#include <thread>

#include "testing/run_program.h"

namespace test_support {
namespace {

// One argument as the C runtime's command-line parser gives it back: quoted
// when it holds a blank or a quote, with the backslashes before a quote (or
// before the closing quote) doubled.
void AppendArgument(std::string& line, const std::string& arg) {
    if (!line.empty()) line += ' ';
    if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) {
        line += arg;
        return;
    }
    line += '"';
    std::size_t backslashes = 0;
    for (char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        line.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        line += c;
    }
    line.append(backslashes * 2, '\\');
    line += '"';
}

// Read as a text-mode stream reads: the C runtime writes each line end of
// a text stream as CR LF, and a CR LF comes back as one line feed.
void ReadText(HANDLE pipe, std::string& into) {
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &n, nullptr) && n > 0) into.append(buffer, n);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < into.size(); ++i) {
        if (into[i] == '\r' && i + 1 < into.size() && into[i + 1] == '\n') continue;
        into[kept++] = into[i];
    }
    into.resize(kept);
}

// A pipe whose write end the child inherits and whose read end it does not.
bool MakePipe(HANDLE& readEnd, HANDLE& writeEnd) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    return true;
}

// Our environment block with the options' variables set on top; empty when
// there are none, so the child inherits ours as it is.
std::string EnvironmentBlock(const ProgramOptions& options) {
    if (options.environment.empty()) return {};
    std::string block;
    char* ours = GetEnvironmentStringsA();
    for (const char* entry = ours; entry != nullptr && *entry != '\0'; entry += std::strlen(entry) + 1) {
        const std::string text = entry;
        const std::string name = text.substr(0, text.find('=', 1));
        bool replaced = false;
        for (const auto& [setName, value] : options.environment) replaced = replaced || _stricmp(setName.c_str(), name.c_str()) == 0;
        if (!replaced) block.append(text).push_back('\0');
    }
    if (ours != nullptr) FreeEnvironmentStringsA(ours);
    for (const auto& [name, value] : options.environment) block.append(name + "=" + value).push_back('\0');
    block.push_back('\0');
    return block;
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const ProgramOptions& options) {
    ProgramRun run;
    std::string line;
    AppendArgument(line, program);
    for (const std::string& arg : args) AppendArgument(line, arg);

    HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
    if (!MakePipe(outRead, outWrite)) return run;
    if (!MakePipe(errRead, errWrite)) {
        CloseHandle(outRead);
        CloseHandle(outWrite);
        return run;
    }
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE input = CreateFileA(options.input.empty() ? "NUL" : options.input.c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION process{};
    std::string environment = EnvironmentBlock(options);
    const bool started = CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0,
                                        environment.empty() ? nullptr : environment.data(), nullptr, &startup,
                                        &process) != FALSE;
    // Only the child holds the write ends now, so the reads end when it does.
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    if (input != INVALID_HANDLE_VALUE) CloseHandle(input);
    if (started) {
        std::thread outReader(ReadText, outRead, std::ref(run.out));
        std::thread errReader(ReadText, errRead, std::ref(run.err));
        if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(options.timeLimitMs)) == WAIT_TIMEOUT) {
            run.running = true;
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, INFINITE);
        }
        outReader.join();
        errReader.join();
        DWORD code = 0;
        if (!run.running && GetExitCodeProcess(process.hProcess, &code)) {
            run.exited = true;
            run.status = static_cast<int>(code);
        }
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(outRead);
    CloseHandle(errRead);
    return run;
}

}  // namespace test_support
