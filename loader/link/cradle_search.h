#pragma once
// Finding the infrared cradle among the computer's ports, the loader's way:
// by port number, and without passing over ports of unknown kind.
#include <functional>
#include <optional>
#include <string>

#include "common/clock.h"
#include "common/ui_port.h"
#include "designer/link/serial_link.h"

namespace loader {

// Probes every port of the port list in its order but Bluetooth ones (ports
// of unknown kind too), each opened on `port` and closed again. The number
// of the first port where the cradle answers (COM7 gives 7), with its name
// in `portName`; -1 when none answers.
int DetectCradleLoader(termlink::SerialLink& port, common::Clock& clock, std::string& portName);

// "Подставка не найдена!"
void TellCradleNotFound(common::UiPort& ui);

// "Подставка найдена на COM<n>! Применить настройки?" under "Подставка
// найдена", OK or Cancel: true for OK.
bool AskToApplyCradlePort(common::UiPort& ui, int portNumber);

// The load page's "Найти подставку": `banner(true)` shows the search
// banner until the search ends. The port number to take, with the link
// "Cradle-IR", when the cradle answered and the user chose OK; nothing
// otherwise, and then the page keeps its choices.
std::optional<int> FindCradle(common::UiPort& ui, termlink::SerialLink& port, common::Clock& clock,
                              const std::function<void(bool shown)>& banner);

}  // namespace loader
