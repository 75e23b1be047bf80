#include "loader/port_numbers.h"

#include <algorithm>

namespace loader {
namespace {

constexpr std::size_t kNamePrefix = 3;  // "COM"
constexpr std::size_t kLinesSearched = 255;
constexpr int kLargestNumber = 999999;

}  // namespace

int PortNumberOfName(std::string_view name) {
    int number = 0;
    for (std::size_t i = kNamePrefix; i < name.size() && name[i] >= '0' && name[i] <= '9'; ++i) {
        number = std::min(number * 10 + (name[i] - '0'), kLargestNumber);
    }
    return number;
}

int PortLineOfNumber(const std::vector<std::string>& lines, int number) {
    const std::size_t searched = std::min(lines.size(), kLinesSearched);
    for (std::size_t i = 0; i < searched; ++i) {
        if (PortNumberOfName(lines[i]) == number) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace loader
