// The Win32 port, opened overlapped. Reads and writes wait on their own
// event in WaitForSingleObject up to their deadline, and an operation still
// running at its deadline is cancelled before its record is used again.
#include <windows.h>

#include <algorithm>

#include "designer/link/port_list.h"
#include "designer/link/system_serial_link.h"

namespace termlink {
namespace {

class Win32SerialLink final : public SerialLink {
public:
    ~Win32SerialLink() override { Close(); }

    bool Open(const std::string& device) override {
        Close();
        const std::string path = ResolvePortDevice(device);
        handle_ = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OVERLAPPED, nullptr);
        if (handle_ == INVALID_HANDLE_VALUE) return false;
        readEvent_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        writeEvent_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        if (!readEvent_ || !writeEvent_ || !SetTimeouts(0, 0)) {
            Close();
            return false;
        }
        return true;
    }

    bool IsOpen() const override { return handle_ != INVALID_HANDLE_VALUE; }

    void Close() override {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
        if (readEvent_) CloseHandle(readEvent_);
        if (writeEvent_) CloseHandle(writeEvent_);
        handle_ = INVALID_HANDLE_VALUE;
        readEvent_ = writeEvent_ = nullptr;
    }

    bool SetQueues(std::size_t inputBytes, std::size_t outputBytes) override {
        return IsOpen() && SetupComm(handle_, static_cast<DWORD>(inputBytes), static_cast<DWORD>(outputBytes));
    }

    // The record is built from the program's settings alone, never read back from the port.
    bool Apply(const LineSettings& s) override {
        if (!IsOpen()) return false;
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        dcb.fBinary = TRUE;  // the only mode Windows supports
        dcb.BaudRate = s.rate;
        dcb.ByteSize = s.byteSize;
        dcb.Parity = s.parity;
        dcb.StopBits = s.stopBits;
        dcb.fDtrControl = s.dtrOn ? DTR_CONTROL_ENABLE : DTR_CONTROL_DISABLE;
        dcb.fRtsControl = s.rtsOn ? RTS_CONTROL_ENABLE : RTS_CONTROL_DISABLE;
        dcb.fOutxCtsFlow = s.ctsOutputFlow ? TRUE : FALSE;
        dcb.fOutX = s.xonXoffOutput ? TRUE : FALSE;
        return SetCommState(handle_, &dcb) != FALSE;
    }

    bool SetTransferTimeouts() override { return SetTimeouts(5, 50); }

    void Purge(bool transmit, bool receive) override {
        if (!IsOpen()) return;
        DWORD flags = 0;
        if (transmit) flags |= PURGE_TXCLEAR;
        if (receive) flags |= PURGE_RXCLEAR;
        if (flags) PurgeComm(handle_, flags);
    }

    bool Write(const std::uint8_t* bytes, std::size_t count) override {
        if (!IsOpen()) return false;
        DWORD done = 0;
        if (!Finish(writeEvent_, WriteFile(handle_, bytes, static_cast<DWORD>(count), &done, Prepare(writeEvent_)),
                    kTransferDeadlineMs, done))
            return false;
        // A write cut short by the driver's time-out did not send everything.
        return done == count;
    }

    int Read(std::uint8_t* buffer, std::size_t capacity, std::uint32_t waitMs) override {
        if (!IsOpen()) return -1;
        DWORD done = 0;
        const BOOL started = ReadFile(handle_, buffer, static_cast<DWORD>(capacity), &done, Prepare(readEvent_));
        if (!Finish(readEvent_, started, std::min(waitMs, kTransferDeadlineMs), done)) return failed_ ? -1 : 0;
        return static_cast<int>(done);
    }

private:
    // Reads wait in the driver for their first byte and then return what
    // has arrived; the wait itself is bounded by the caller's deadline.
    bool SetTimeouts(DWORD writeMultiplier, DWORD writeConstant) {
        COMMTIMEOUTS t{};
        t.ReadIntervalTimeout = MAXDWORD;
        t.ReadTotalTimeoutMultiplier = MAXDWORD;
        t.ReadTotalTimeoutConstant = kTransferDeadlineMs;
        t.WriteTotalTimeoutMultiplier = writeMultiplier;
        t.WriteTotalTimeoutConstant = writeConstant;
        return SetCommTimeouts(handle_, &t) != FALSE;
    }

    OVERLAPPED* Prepare(HANDLE event) {
        overlapped_ = OVERLAPPED{};
        overlapped_.hEvent = event;
        ResetEvent(event);
        return &overlapped_;
    }

    // Waits for an operation started with `started`; false when it failed
    // (failed_ set) or did not finish within `waitMs` (it is cancelled then).
    bool Finish(HANDLE event, BOOL started, DWORD waitMs, DWORD& done) {
        failed_ = false;
        if (started) return true;
        if (GetLastError() != ERROR_IO_PENDING) {
            failed_ = true;
            return false;
        }
        if (WaitForSingleObject(event, waitMs) != WAIT_OBJECT_0) {
            CancelIo(handle_);
            // Bytes that arrived while cancelling still count.
            if (GetOverlappedResult(handle_, &overlapped_, &done, TRUE)) return true;
            failed_ = GetLastError() != ERROR_OPERATION_ABORTED;
            return false;
        }
        if (GetOverlappedResult(handle_, &overlapped_, &done, FALSE)) return true;
        failed_ = true;
        return false;
    }

    HANDLE handle_ = INVALID_HANDLE_VALUE;
    HANDLE readEvent_ = nullptr;
    HANDLE writeEvent_ = nullptr;
    OVERLAPPED overlapped_{};
    bool failed_ = false;
};

}  // namespace

std::unique_ptr<SerialLink> MakeSystemSerialLink() { return std::make_unique<Win32SerialLink>(); }

}  // namespace termlink
