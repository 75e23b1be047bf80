// POSIX ports: the links of the port map folder, and the serial devices of
// /sys/class/tty the map does not name, listed together in COM number order.
// A system device takes the lowest number the map leaves free, counting in
// its own order, so its name does not change when a map entry with a higher
// number comes or goes (a virtual terminal started or ended): the designer
// keeps its chosen port by that number.
#include <cstdio>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/environment.h"
#include "designer/link/port_list.h"

namespace termlink {
namespace {

namespace fs = std::filesystem;

// The number of "COM<n>" (any case), or 0 for any other name.
int ComNumber(std::string_view name) {
    if (name.size() < 4 || (name[0] != 'C' && name[0] != 'c') || (name[1] != 'O' && name[1] != 'o') ||
        (name[2] != 'M' && name[2] != 'm'))
        return 0;
    int number = 0;
    for (char c : name.substr(3)) {
        if (c < '0' || c > '9' || number > 9999) return 0;
        number = number * 10 + (c - '0');
    }
    return number;
}

std::string Canonical(const std::string& path) {
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(path, error);
    return error ? path : canonical.string();
}

std::string ReadFirstLine(const fs::path& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return "";
    FILE* f = std::fopen(path.c_str(), "r");
    if (!f) return "";
    char buffer[64] = {};
    const bool ok = std::fgets(buffer, sizeof buffer, f) != nullptr;
    std::fclose(f);
    return ok ? buffer : "";
}

// A ttyS entry stands for a port only when hardware answers for it: the
// kernel registers placeholder ttyS ports of type 0 under the plain
// serial8250 driver whether or not a chip is there.
bool IsRealSerialPort(const fs::path& entry) {
    std::error_code error;
    const fs::path driver = fs::read_symlink(entry / "device" / "driver", error);
    if (error) return false;
    if (driver.filename() != "serial8250") return true;
    return std::atoi(ReadFirstLine(entry / "type").c_str()) != 0;
}

// Order of the system's devices: by family, then by number within it.
int FamilyOf(const std::string& name) {
    static const char* const kFamilies[] = {"ttyS", "ttyUSB", "ttyACM", "rfcomm"};
    for (int i = 0; i < 4; ++i) {
        const std::string family = kFamilies[i];
        if (name.size() > family.size() && name.starts_with(family) &&
            std::all_of(name.begin() + static_cast<long>(family.size()), name.end(),
                        [](char c) { return c >= '0' && c <= '9'; }))
            return i;
    }
    return -1;
}

struct MappedPort {
    int number;
    SerialPort port;
};

std::vector<MappedPort> ReadPortMap(const std::string& folder) {
    std::vector<MappedPort> mapped;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        const int number = ComNumber(name);
        if (number == 0) continue;
        SerialPort port;
        port.name = "COM" + std::to_string(number);
        std::error_code linkError;
        fs::path target = fs::read_symlink(it->path(), linkError);
        if (linkError) {
            port.kind = kUnknownPort;
        } else {
            if (target.is_relative()) target = fs::path(folder) / target;
            port.device = target.lexically_normal().string();
            port.kind = KindOfDeviceNode(port.device);
        }
        mapped.push_back({number, port});
    }
    std::sort(mapped.begin(), mapped.end(), [](const MappedPort& a, const MappedPort& b) { return a.number < b.number; });
    // Names are compared whole, so "COM03" and "COM3" would be one port.
    mapped.erase(std::unique(mapped.begin(), mapped.end(),
                             [](const MappedPort& a, const MappedPort& b) { return a.number == b.number; }),
                 mapped.end());
    return mapped;
}

std::vector<std::string> SystemSerialDevices(const std::string& sysClassTty) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(sysClassTty, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        const int family = FamilyOf(name);
        if (family < 0 || (family == 0 && !IsRealSerialPort(it->path()))) continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int fa = FamilyOf(a), fb = FamilyOf(b);
        if (fa != fb) return fa < fb;
        if (a.size() != b.size()) return a.size() < b.size();  // ttyUSB2 before ttyUSB10
        return a < b;
    });
    return names;
}

}  // namespace

std::string PortMapFolder() {
    if (std::string folder = common::Environment("MOSTREL_PORT_MAP"); !folder.empty()) return folder;
    return common::SettingsFolder() + "/ports";
}

std::optional<std::vector<SerialPort>> EnumerateSerialPorts() {
    std::vector<MappedPort> numbered = ReadPortMap(PortMapFolder());
    std::vector<int> mapNumbers;
    std::vector<std::string> mappedDevices;
    for (const MappedPort& m : numbered) {
        mapNumbers.push_back(m.number);
        if (!m.port.device.empty()) mappedDevices.push_back(Canonical(m.port.device));
    }
    std::string sysClassTty = common::Environment("MOSTREL_SYS_CLASS_TTY");
    if (sysClassTty.empty()) sysClassTty = "/sys/class/tty";
    int number = 0;
    for (const std::string& name : SystemSerialDevices(sysClassTty)) {
        const std::string device = "/dev/" + name;
        if (std::find(mappedDevices.begin(), mappedDevices.end(), Canonical(device)) != mappedDevices.end()) continue;
        do {
            ++number;
        } while (std::find(mapNumbers.begin(), mapNumbers.end(), number) != mapNumbers.end());
        numbered.push_back({number, {"COM" + std::to_string(number), device, KindOfDeviceNode(device)}});
    }
    std::stable_sort(numbered.begin(), numbered.end(),
                     [](const MappedPort& a, const MappedPort& b) { return a.number < b.number; });
    std::vector<SerialPort> ports;
    for (MappedPort& m : numbered) ports.push_back(std::move(m.port));
    return ports;
}

std::string ResolvePortDevice(std::string_view portOrDevice) {
    if (portOrDevice.starts_with("\\\\.\\")) portOrDevice.remove_prefix(4);
    if (portOrDevice.find('/') != std::string_view::npos) return std::string(portOrDevice);
    const int number = ComNumber(portOrDevice);
    if (number == 0) return "";
    const auto ports = EnumerateSerialPorts();
    if (!ports) return "";
    const std::string name = "COM" + std::to_string(number);
    for (const SerialPort& port : *ports) {
        if (port.name == name) return port.device;
    }
    return "";
}

std::string DeviceOfPort(std::string_view portName) {
    const std::string device = ResolvePortDevice(portName);
    return device.empty() ? std::string(portName) : device;
}

}  // namespace termlink
