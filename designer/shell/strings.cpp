#include "designer/shell/strings.h"

#include <cstddef>
#include <map>

extern const unsigned char kEnglishStrings[];
extern const std::size_t kEnglishStrings_size;

namespace shell {
namespace {

// id=text lines; the first line names the language.
std::map<int, std::string> ParseEnglish() {
    std::map<int, std::string> table;
    std::string_view all(reinterpret_cast<const char*>(kEnglishStrings), kEnglishStrings_size);
    std::size_t pos = all.find('\n');
    while (pos != std::string_view::npos && pos + 1 < all.size()) {
        const std::size_t start = pos + 1;
        pos = all.find('\n', start);
        std::string_view line = all.substr(start, pos == std::string_view::npos ? all.npos : pos - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || eq == 0) continue;
        table[std::stoi(std::string(line.substr(0, eq)))] = std::string(line.substr(eq + 1));
    }
    return table;
}

const std::map<int, std::string>& EnglishTable() {
    static const std::map<int, std::string> table = ParseEnglish();
    return table;
}

std::size_t BufferSize(LookupKind kind) { return kind == LookupKind::TerminalText ? 81 : 128; }

}  // namespace

Strings::Strings() = default;

std::string_view Strings::English(int id) const {
    const auto& table = EnglishTable();
    const auto it = table.find(id);
    return it == table.end() ? std::string_view{} : std::string_view(it->second);
}

std::string Strings::Lookup(int id, LookupKind kind) {
    std::string text(English(id));
    if (text.size() > BufferSize(kind) - 1) text.resize(BufferSize(kind) - 1);
    return text;
}

std::string Strings::Direct(int, std::string_view builtIn) const { return std::string(builtIn); }

}  // namespace shell
