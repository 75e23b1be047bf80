#pragma once
// The folder the running program's file is in, where its language files lie.
// Known before any window exists, so what the program prints (its help) can
// already speak the chosen language.
#include <string>

namespace common {

// Native bytes, without a trailing separator; empty when the system does not say.
std::string ProgramFolder();

}  // namespace common
