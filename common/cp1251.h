#pragma once
// Texts inside the task and the settings files are Windows-1251 bytes; the
// rest of the world (Qt, the console, JSON) speaks UTF-8. These two functions
// are the only crossing between them.
#include <string>
#include <string_view>

namespace common {

std::string Cp1251ToUtf8(std::string_view cp1251);

// What becomes of a character that Windows-1251 cannot hold: a '?' where
// something must stand in its place (file names, messages), nothing where
// the user is typing and sees the result at once (the editors' text boxes).
enum class Unmappable { Question, Drop };

std::string Utf8ToCp1251(std::string_view utf8, Unmappable unmappable = Unmappable::Question);

}  // namespace common
