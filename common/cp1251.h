#pragma once
// Texts inside the task and the settings files are Windows-1251 bytes; the
// rest of the world (Qt, the console, JSON) speaks UTF-8. These two functions
// are the only crossing between them.
#include <string>
#include <string_view>

namespace common {

std::string Cp1251ToUtf8(std::string_view cp1251);

// Characters that Windows-1251 cannot hold become '?'.
std::string Utf8ToCp1251(std::string_view utf8);

}  // namespace common
