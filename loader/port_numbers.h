#pragma once
// The loader names a port by its number: COM7 is port 7. Its lists hold
// lines that start with the port's name ("COM7 - Virtual port").
#include <string>
#include <string_view>
#include <vector>

namespace loader {

// The number the text spells after its first three characters, up to the
// first character that is no digit: 7 for "COM7" and for "COM7 - Serial
// port"; 0 when no digit follows.
int PortNumberOfName(std::string_view name);

// The first of the list's lines 0 to 254 whose port number is `number`;
// -1 when none is.
int PortLineOfNumber(const std::vector<std::string>& lines, int number);

}  // namespace loader
