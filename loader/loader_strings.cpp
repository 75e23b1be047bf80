#include "loader/loader_strings.h"

#include <cstddef>
#include <string_view>

extern const unsigned char kLoaderStrings[];
extern const std::size_t kLoaderStrings_size;

namespace loader {
namespace {

constexpr std::size_t kMessageRoom = 299;

}  // namespace

text::StringTable MakeLoaderStringTable() {
    return text::StringTable(std::string_view(reinterpret_cast<const char*>(kLoaderStrings), kLoaderStrings_size));
}

std::string LoaderText(int id) {
    static const text::StringTable table = MakeLoaderStringTable();
    return table.Direct(id);
}

std::string LoaderTextWith(int id, const std::string& value) {
    std::string text = LoaderText(id);
    if (const std::size_t at = text.find("%s"); at != std::string::npos) text.replace(at, 2, value);
    return text.substr(0, kMessageRoom);
}

}  // namespace loader
