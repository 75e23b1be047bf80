// Windows ports: the values of the system's serial-port registry key, in
// enumeration order. A value's name is the device path, its data the COM name.
#include <windows.h>

#include "designer/link/port_list.h"

namespace termlink {

std::optional<std::vector<SerialPort>> EnumerateSerialPorts() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Hardware\\DeviceMap\\SerialComm", 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<SerialPort> ports;
    bool failed = false;
    for (DWORD index = 0;; ++index) {
        char name[128] = {};
        DWORD nameLength = sizeof name;
        BYTE data[64] = {};
        DWORD dataLength = sizeof data - 1;  // room for a terminating zero the value may lack
        DWORD type = 0;
        const LONG result = RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data, &dataLength);
        if (result == ERROR_NO_MORE_ITEMS) break;
        // A value too long for the buffers names no port we could open: skip it.
        if (result == ERROR_MORE_DATA) continue;
        if (result != ERROR_SUCCESS) {
            failed = true;
            break;
        }
        if (type != REG_SZ) continue;
        std::string portName(reinterpret_cast<const char*>(data), dataLength);
        portName.erase(portName.find_last_not_of('\0') + 1);
        if (portName.empty()) continue;
        const std::string device(name, nameLength);
        ports.push_back({portName, device, KindOfRegistryDevice(device)});
    }
    RegCloseKey(key);
    if (failed) return std::nullopt;
    return ports;
}

std::string ResolvePortDevice(std::string_view portOrDevice) {
    if (portOrDevice.starts_with("\\\\.\\")) return std::string(portOrDevice);
    return "\\\\.\\" + std::string(portOrDevice);
}

std::string DeviceOfPort(std::string_view portName) { return ResolvePortDevice(portName); }

// Windows names its ports itself; there is no map to keep.
std::string PortMapFolder() { return ""; }

}  // namespace termlink
