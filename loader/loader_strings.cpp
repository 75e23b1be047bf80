#include "loader/loader_strings.h"

#include <cstddef>
#include <map>
#include <string_view>

#include "common/cp1251.h"

extern const unsigned char kLoaderStrings[];
extern const std::size_t kLoaderStrings_size;

namespace loader {
namespace {

constexpr std::size_t kMessageRoom = 299;

// "\r\n" written in the table stands for a line break.
std::string Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'r' || text[i + 1] == 'n')) {
            out += text[++i] == 'r' ? '\r' : '\n';
        } else {
            out += text[i];
        }
    }
    return out;
}

// id=text lines after the line that names the table; other lines are comments.
std::map<int, std::string> ParseTable() {
    std::map<int, std::string> table;
    const std::string_view all(reinterpret_cast<const char*>(kLoaderStrings), kLoaderStrings_size);
    std::size_t start = all.find('\n');
    while (start != std::string_view::npos && ++start < all.size()) {
        const std::size_t end = all.find('\n', start);
        std::string_view line = all.substr(start, end == std::string_view::npos ? all.npos : end - start);
        start = end;
        const std::size_t eq = line.find('=');
        if (eq == 0 || eq == std::string_view::npos || line.substr(0, eq).find_first_not_of("0123456789") != line.npos) {
            continue;
        }
        table[std::stoi(std::string(line.substr(0, eq)))] = common::Utf8ToCp1251(Unescaped(line.substr(eq + 1)));
    }
    return table;
}

}  // namespace

std::string LoaderText(int id) {
    static const std::map<int, std::string> table = ParseTable();
    const auto it = table.find(id);
    return it == table.end() ? std::string() : it->second;
}

std::string LoaderTextWith(int id, const std::string& value) {
    std::string text = LoaderText(id);
    if (const std::size_t at = text.find("%s"); at != std::string::npos) text.replace(at, 2, value);
    return text.substr(0, kMessageRoom);
}

}  // namespace loader
