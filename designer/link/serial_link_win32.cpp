// The Win32 port, opened overlapped. Reads and writes wait on their own
// event in WaitForSingleObject up to their deadline, and an operation still
// running at its deadline is cancelled before its record is used again.
//
// A read never asks the driver for more bytes than it knows are there, or,
// when nothing is, for the one byte it waits for. The driver then completes
// it as soon as that many have come, whatever its time-out modes make of a
// larger request: Wine, for one, waits for the whole count to arrive.
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
        dcb.fParity = s.parity != NOPARITY ? TRUE : FALSE;
        dcb.StopBits = s.stopBits;
        // The usual DC1/DC3: with both left zero, XON/XOFF output would stop
        // at every zero byte of a frame, and drivers refuse equal characters.
        dcb.XonChar = 0x11;
        dcb.XoffChar = 0x13;
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
        OVERLAPPED* record = Prepare(writeEvent_);
        const BOOL started = WriteFile(handle_, bytes, static_cast<DWORD>(count), nullptr, record);
        DWORD done = 0;
        // A write cut short by the driver's time-out or by the deadline did not send everything.
        return Finish(started, kTransferDeadlineMs, done) && done == count;
    }

    int Read(std::uint8_t* buffer, std::size_t capacity, std::uint32_t waitMs) override {
        if (!IsOpen()) return -1;
        if (capacity == 0) return 0;
        DWORD waiting = 0;
        if (!BytesWaiting(waiting)) return -1;
        if (waiting > 0) return ReadBytes(buffer, std::min<std::size_t>(capacity, waiting), kTransferDeadlineMs);
        if (waitMs == 0) return 0;

        const int first = ReadBytes(buffer, 1, std::min(waitMs, kTransferDeadlineMs));
        if (first <= 0 || capacity == 1) return first;
        // What came right behind the first byte is taken along with it.
        if (!BytesWaiting(waiting) || waiting == 0) return first;
        const int more = ReadBytes(buffer + 1, std::min<std::size_t>(capacity - 1, waiting), kTransferDeadlineMs);
        return more < 0 ? first : first + more;
    }

private:
    // The bytes in the driver's receive queue.
    bool BytesWaiting(DWORD& count) {
        COMSTAT status{};
        DWORD errors = 0;
        if (!ClearCommError(handle_, &errors, &status)) return false;
        count = status.cbInQue;
        return true;
    }

    // Reads `count` bytes, waiting at most `waitMs` for them: what arrived
    // by then, or -1 when the port failed.
    int ReadBytes(std::uint8_t* buffer, std::size_t count, std::uint32_t waitMs) {
        OVERLAPPED* record = Prepare(readEvent_);
        const BOOL started = ReadFile(handle_, buffer, static_cast<DWORD>(count), nullptr, record);
        DWORD done = 0;
        if (!Finish(started, waitMs, done)) return -1;
        return static_cast<int>(done);
    }

    // A read waits in the driver until all the bytes it asked for are
    // there, but never past the deadline, which bounds the wait again
    // should the caller's own wait fail to.
    bool SetTimeouts(DWORD writeMultiplier, DWORD writeConstant) {
        COMMTIMEOUTS t{};
        t.ReadIntervalTimeout = 0;
        t.ReadTotalTimeoutMultiplier = 0;
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

    // Waits for the operation just started on `overlapped_` to finish, at
    // most `waitMs`; one still running then is cancelled. `done` is what it
    // transferred, also when cut short: bytes a cancelled read had already
    // taken from the driver are in the buffer and must not be lost. False
    // only when the port failed.
    bool Finish(BOOL started, DWORD waitMs, DWORD& done) {
        if (!started && GetLastError() != ERROR_IO_PENDING) return false;
        if (!started && WaitForSingleObject(overlapped_.hEvent, waitMs) != WAIT_OBJECT_0)
            CancelIoEx(handle_, &overlapped_);
        if (GetOverlappedResult(handle_, &overlapped_, &done, TRUE)) return true;
        const DWORD error = GetLastError();
        return error == ERROR_OPERATION_ABORTED || error == ERROR_TIMEOUT;
    }

    HANDLE handle_ = INVALID_HANDLE_VALUE;
    HANDLE readEvent_ = nullptr;
    HANDLE writeEvent_ = nullptr;
    OVERLAPPED overlapped_{};
};

}  // namespace

std::unique_ptr<SerialLink> MakeSystemSerialLink() { return std::make_unique<Win32SerialLink>(); }

}  // namespace termlink
