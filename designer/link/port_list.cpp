#include "designer/link/port_list.h"

#include <cctype>

#include "designer/link/cradle.h"

namespace termlink {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

// The number after the "M" (either case) at `at`; -1 when no digit follows it.
long NumberAfterM(std::string_view name, std::size_t at) {
    std::size_t j = at + 1;
    long number = 0;
    while (j < name.size() && std::isdigit(static_cast<unsigned char>(name[j])) && number < 100000)
        number = number * 10 + (name[j++] - '0');
    return j > at + 1 ? number : -1;
}

// Whether `name` holds an "M" (either case) directly followed by the number `wanted`.
bool NameHoldsPortNumber(std::string_view name, int wanted) {
    for (std::size_t i = 0; i + 1 < name.size(); ++i) {
        if ((name[i] == 'M' || name[i] == 'm') && NumberAfterM(name, i) == wanted) return true;
    }
    return false;
}

}  // namespace

int KindOfRegistryDevice(std::string_view device) {
    const std::size_t slash = device.rfind('\\');
    if (slash == std::string_view::npos) return kUnknownPort;
    const std::string_view last = device.substr(slash + 1);
    if (StartsWithNoCase(last, "BT")) return kBluetoothPort;
    if (StartsWithNoCase(last, "SE")) return kSerialPort;
    return kVirtualPort;
}

int KindOfDeviceNode(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    const std::string_view last = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (last.starts_with("rfcomm")) return kBluetoothPort;
    if (last.starts_with("ttyS")) return kSerialPort;
    return kVirtualPort;
}

std::string KindLabel(int kind) {
    switch (kind) {
        case kSerialPort: return "Serial port";
        case kVirtualPort: return "Virtual port";
        case kBluetoothPort: return "Bluetooth port";
        default: return "Unknown port";
    }
}

std::string PortListLine(const SerialPort& port) { return PortListLine(port, KindLabel(port.kind)); }

std::string PortListLine(const SerialPort& port, std::string_view kindName) {
    std::string line = port.name + " - " + std::string(kindName);
    // A device node ("/dev/ttyUSB0") tells the user which adapter it is; the
    // registry's kernel names ("\Device\Serial0") tell nothing and stay hidden.
    if (!port.device.empty() && port.device.front() == '/') line += " (" + port.device + ")";
    return line;
}

int ListSerialPorts(std::vector<std::string>* lines, int* portPosition, int comPort) {
    if (lines) lines->clear();
    const auto ports = EnumerateSerialPorts();
    if (!ports) return 0;
    for (std::size_t i = 0; i < ports->size(); ++i) {
        const SerialPort& port = (*ports)[i];
        if (lines) lines->push_back(PortListLine(port));
        if (portPosition && *portPosition == -1 && NameHoldsPortNumber(port.name, comPort))
            *portPosition = static_cast<int>(i);
    }
    return static_cast<int>(ports->size());
}

SerialPort GetSerialPort(int position) {
    const auto ports = EnumerateSerialPorts();
    if (!ports || position < 0 || position >= static_cast<int>(ports->size())) return {};
    return (*ports)[static_cast<std::size_t>(position)];
}

int PortNumberOf(std::string_view name) {
    for (std::size_t i = 0; i + 1 < name.size(); ++i) {
        if (name[i] != 'M' && name[i] != 'm') continue;
        if (const long number = NumberAfterM(name, i); number >= 0) return static_cast<int>(number);
    }
    return 0;
}

int FindChosenPort(const std::vector<std::string>& portNames, int position, int portNumber) {
    const int count = static_cast<int>(portNames.size());
    if (position >= 0 && position < count &&
        (portNumber <= 0 || PortNumberOf(portNames[static_cast<std::size_t>(position)]) == portNumber)) {
        return position;
    }
    if (portNumber <= 0) return -1;
    for (int i = 0; i < count; ++i) {
        if (PortNumberOf(portNames[static_cast<std::size_t>(i)]) == portNumber) return i;
    }
    return -1;
}

bool ProbeCradleOnPort(SerialLink& port, common::Clock& clock, StopRequest* stop) {
    constexpr std::uint32_t kPauseMs = 100;
    LineSettings line;
    line.rate = 38400;
    line.byteSize = 8;
    line.parity = 0;
    line.stopBits = 0;
    port.SetTransferTimeouts();
    line.rtsOn = true;
    line.dtrOn = true;
    port.Apply(line);
    for (std::uint32_t rate : {9600u, 115200u, 38400u, 57600u, 19200u}) {
        line.rate = rate;
        line.rtsOn = false;
        port.Apply(line);
        if (!PauseUnlessStopped(clock, kPauseMs, stop)) return false;
        // A late echo of the previous probe must not count as this one's answer.
        port.Purge(false, true);
        const std::uint8_t probe = wire::kCradleProbe;
        const bool sent = port.Write(&probe, 1);
        if (!PauseUnlessStopped(clock, kPauseMs, stop)) return false;
        // The echo must be there by the end of the pause: what is waiting
        // now is the answer, and nothing is no answer.
        std::uint8_t b = 0;
        const bool answered = sent && port.Read(&b, 1, 0) == 1 && b == wire::kCradleProbe;
        line.rtsOn = true;
        port.Apply(line);
        if (!PauseUnlessStopped(clock, kPauseMs, stop)) return false;
        if (answered) return true;
    }
    return false;
}

int DetectCradle(SerialLink& port, common::Clock& clock, std::string& portName, StopRequest* stop,
                 const std::function<void(const std::string&)>& probing) {
    for (int position = 0; !Stopped(stop); ++position) {
        const SerialPort candidate = GetSerialPort(position);
        if (candidate.kind == kNoPort) return -1;
        if (candidate.kind == kBluetoothPort || candidate.kind == kUnknownPort) continue;
        if (probing) probing(candidate.name);
        if (!port.Open(DeviceOfPort(candidate.name))) continue;
        const bool found = ProbeCradleOnPort(port, clock, stop);
        port.Close();
        if (found) {
            portName = candidate.name;
            return position;
        }
    }
    return -1;
}

}  // namespace termlink
