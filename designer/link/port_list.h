#pragma once
// The system's serial ports as the designer names them: a position in a
// stable list, a COM name and a kind. On Windows the list is the system's
// serial-port registry key; on POSIX a port map folder of symbolic links
// COM1, COM2, ... to device nodes and the serial devices the system has and
// the map does not name, in COM number order.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/clock.h"
#include "designer/link/serial_link.h"
#include "designer/link/stop_request.h"

namespace termlink {

// Kind codes; 0 means there is no port at that position.
constexpr int kNoPort = 0;
constexpr int kSerialPort = 1;
constexpr int kVirtualPort = 2;
constexpr int kBluetoothPort = 3;
constexpr int kUnknownPort = 99;

struct SerialPort {
    std::string name;    // "COM3"
    std::string device;  // the system's path of the device: "\Device\Serial0", "/dev/ttyUSB0"
    int kind = kNoPort;
};

// The system's list in its order, or nothing when it cannot be read.
std::optional<std::vector<SerialPort>> EnumerateSerialPorts();

// What a device path of the registry key is: by the two letters after its
// last backslash (BT Bluetooth, SE serial, else virtual), unknown without one.
int KindOfRegistryDevice(std::string_view device);
// What a POSIX device node is, by its name: rfcomm Bluetooth, ttyS serial,
// anything else virtual.
int KindOfDeviceNode(std::string_view path);

std::string KindLabel(int kind);  // "Serial port", ..., "Unknown port"
// "COM3 - Serial port"; a device node follows in brackets: "COM7 - Virtual
// port (/dev/pts/3)".
std::string PortListLine(const SerialPort& port);
// The same with the kind named by the caller (a program's own language).
std::string PortListLine(const SerialPort& port, std::string_view kindName);

// The list lines of every port, into `lines` when given, and their count
// (0 when the list cannot be read). While listing, a stored position of -1
// becomes the position of the port whose name holds "M" followed by
// `comPort` (so settings holding only a port number get a position).
int ListSerialPorts(std::vector<std::string>* lines, int* portPosition, int comPort);

// The port at `position`; kind kNoPort when there is none.
SerialPort GetSerialPort(int position);

// The number a port name holds after its "M" ("COM7" gives 7); 0 for none.
int PortNumberOf(std::string_view name);

// The position of the port a stored choice stands for, in the list of port
// names as it is now. The settings keep both the chosen port's position and
// its number, because ports come and go and the list moves: the port at the
// stored position is taken while it still has the stored number (or when no
// number is stored), else the port that has the number, wherever it now
// stands. -1 when neither is there: the chosen port is gone.
int FindChosenPort(const std::vector<std::string>& portNames, int position, int portNumber);

// What to pass to SerialLink::Open for a port name: "\\.\COM3" on Windows;
// on POSIX the device the name maps to. A device path is given back as it is.
std::string DeviceOfPort(std::string_view portName);
// On POSIX also accepts "\\.\COM3": the device node to open; empty when the
// name maps to nothing.
std::string ResolvePortDevice(std::string_view portOrDevice);

// The folder of COM links on POSIX: $MOSTREL_PORT_MAP, else "ports" in the
// designer's settings folder.
std::string PortMapFolder();

// Finds the port where an infrared cradle echoes its probe: tries every
// port but Bluetooth and unknown ones in list order, each opened on `port`
// and closed again. The position, with the name in `portName`, or -1 (also
// when `stop` was given). `probing`, when given, hears each port's name
// before it is tried.
int DetectCradle(SerialLink& port, common::Clock& clock, std::string& portName, StopRequest* stop = nullptr,
                 const std::function<void(const std::string& portName)>& probing = {});

// The detection's own probe of one opened port, at 9600, 115200, 38400,
// 57600 and 19200 bit/s in that order; false at once when `stop` is given.
bool ProbeCradleOnPort(SerialLink& port, common::Clock& clock, StopRequest* stop = nullptr);

}  // namespace termlink
