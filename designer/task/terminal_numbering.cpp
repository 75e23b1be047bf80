#include "designer/task/terminal_numbering.h"

namespace task {
namespace {

// A start-up byte and what the terminal's number adds to the designer's.
struct Renumbered {
    std::size_t offset;
    Byte added;
};

constexpr Renumbered kRenumberedStartupBytes[] = {
    {startup::kUploadPort, 1},   {startup::kDownloadPort, 1}, {startup::kBaudRate, 1},
    {startup::kBacklight, 1},    {startup::kBacklightIdle, '0'}, {startup::kDataDeletion, 1},
    {startup::kEntryOption, 1},  {startup::kModemSpeed, 1},   {startup::kKeyClick, 1},
    {startup::kGoodReadBeep, 1}, {startup::kWarningBeep, 1},
};

constexpr Byte kTerminalStartsWithForm = 1;
constexpr Byte kTerminalStartsWithMenu = 11;

// The wedge's two-bit choices whose 0 means the same on both sides.
constexpr BitField kMovedWedgeFields[] = {terminal::kShiftLockType, terminal::kDigitsLayout};

// `byte` with `field` moved by `step` (modulo its range) unless it is 0.
Byte MoveNonZero(Byte byte, BitField field, int step) {
    const int value = field.Of(byte);
    if (value == 0) return byte;
    const int range = 1 << field.width;
    return field.With(byte, static_cast<unsigned>((value + step + range) % range));
}

TerminalSettings MoveWedgeChoices(const TerminalSettings& settings, int step) {
    TerminalSettings moved = settings;
    moved[terminal::kKeyboardType] = static_cast<Byte>(moved[terminal::kKeyboardType] + step);
    for (const BitField field : kMovedWedgeFields) {
        moved[terminal::kWedgeFlags] = MoveNonZero(moved[terminal::kWedgeFlags], field, step);
    }
    return moved;
}

}  // namespace

TerminalSettings TerminalSettingsForTerminal(const TerminalSettings& settings) { return MoveWedgeChoices(settings, 1); }

TerminalSettings TerminalSettingsFromTerminal(const TerminalSettings& settings) { return MoveWedgeChoices(settings, -1); }

StartupSettings StartupSettingsForTerminal(const StartupSettings& settings) {
    StartupSettings renumbered = settings;
    Byte& start = renumbered[startup::kStartWithMenu];
    start = start == 0 ? kTerminalStartsWithForm : kTerminalStartsWithMenu;
    for (const Renumbered& byte : kRenumberedStartupBytes) {
        renumbered[byte.offset] = static_cast<Byte>(renumbered[byte.offset] + byte.added);
    }
    return renumbered;
}

StartupSettings StartupSettingsFromTerminal(const StartupSettings& settings) {
    StartupSettings renumbered = settings;
    Byte& start = renumbered[startup::kStartWithMenu];
    start = start == kTerminalStartsWithForm ? 0 : 1;
    for (const Renumbered& byte : kRenumberedStartupBytes) {
        renumbered[byte.offset] = static_cast<Byte>(renumbered[byte.offset] - byte.added);
    }
    return renumbered;
}

}  // namespace task
