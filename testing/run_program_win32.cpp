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

// A started child and the read ends of its two outputs.
struct Child {
    PROCESS_INFORMATION process{};
    HANDLE outRead = nullptr;
    HANDLE errRead = nullptr;
};

// Starts the program with its outputs on two pipes; false, with the reason
// in `error`, when it cannot.
bool Start(const std::string& program, std::string line, const ProgramOptions& options, Child& child,
           unsigned long& error) {
    HANDLE outWrite = nullptr, errWrite = nullptr;
    if (!MakePipe(child.outRead, outWrite)) {
        error = GetLastError();
        return false;
    }
    if (!MakePipe(child.errRead, errWrite)) {
        error = GetLastError();
        CloseHandle(child.outRead);
        CloseHandle(outWrite);
        return false;
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
    std::string environment = EnvironmentBlock(options);
    const bool started = CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0,
                                        environment.empty() ? nullptr : environment.data(), nullptr, &startup,
                                        &child.process) != FALSE;
    if (!started) error = GetLastError();
    // Only the child holds the write ends now, so the reads end when it does.
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    if (input != INVALID_HANDLE_VALUE) CloseHandle(input);
    if (!started) {
        CloseHandle(child.outRead);
        CloseHandle(child.errRead);
    }
    return started;
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const ProgramOptions& options) {
    ProgramRun run;
    std::string line;
    AppendArgument(line, program);
    for (const std::string& arg : args) AppendArgument(line, arg);

    // Under Wine on a busy machine a start can fail for a moment; a program
    // that never started did nothing, so trying again changes no result.
    Child child;
    bool started = false;
    for (int attempt = 0; attempt < 3 && !started; ++attempt) {
        if (attempt > 0) Sleep(200);
        started = Start(program, line, options, child, run.startError);
    }
    if (!started) return run;
    run.startError = 0;

    std::thread outReader(ReadText, child.outRead, std::ref(run.out));
    std::thread errReader(ReadText, child.errRead, std::ref(run.err));
    const HANDLE process = child.process.hProcess;
    if (WaitForSingleObject(process, static_cast<DWORD>(options.timeLimitMs)) == WAIT_TIMEOUT) {
        run.running = true;
        TerminateProcess(process, 1);
        WaitForSingleObject(process, INFINITE);
    }
    outReader.join();
    errReader.join();
    DWORD code = 0;
    if (!run.running && GetExitCodeProcess(process, &code)) {
        run.exited = true;
        run.status = static_cast<int>(code);
    }
    CloseHandle(process);
    CloseHandle(child.process.hThread);
    CloseHandle(child.outRead);
    CloseHandle(child.errRead);
    return run;
}

}  // namespace test_support
