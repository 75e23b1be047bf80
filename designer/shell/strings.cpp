#include "designer/shell/strings.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

extern const unsigned char kEnglishStrings[];
extern const std::size_t kEnglishStrings_size;

namespace shell {
namespace {

// A decimal id with optional blanks around it; nothing else.
std::optional<int> ParseId(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (text.empty() || text.size() > 9) return std::nullopt;
    int id = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        id = id * 10 + (c - '0');
    }
    return id;
}

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
        if (eq == std::string_view::npos) continue;
        if (const auto id = ParseId(line.substr(0, eq))) table[*id] = std::string(line.substr(eq + 1));
    }
    return table;
}

const std::map<int, std::string>& EnglishTable() {
    static const std::map<int, std::string> table = ParseEnglish();
    return table;
}

std::size_t BufferSize(LookupKind kind) { return kind == LookupKind::TerminalText ? 81 : 128; }

std::string CutTo(std::string_view text, std::size_t length) {
    return std::string(text.substr(0, std::min(text.size(), length)));
}

bool HasLanguageExtension(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".lng";
}

// At most `limit` bytes of the file; nullopt when it cannot be opened.
std::optional<std::string> ReadHead(const std::string& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content(limit, '\0');
    in.read(content.data(), static_cast<std::streamsize>(limit));
    content.resize(static_cast<std::size_t>(in.gcount()));
    return content;
}

}  // namespace

Strings::Strings() : slots_(kSlotCount) {}

std::string_view Strings::English(int id) const {
    const auto& table = EnglishTable();
    const auto it = table.find(id);
    return it == table.end() ? std::string_view{} : std::string_view(it->second);
}

std::string Strings::Lookup(int id, LookupKind kind) {
    const std::size_t room = BufferSize(kind) - 1;
    const bool hasSlot = id >= 0 && id < kSlotCount;
    if (languageLoaded_ && hasSlot) {
        std::string& slot = slots_[static_cast<std::size_t>(id)];
        // An empty slot takes the English text, so later lookups find it there.
        if (slot.empty()) slot = CutTo(English(id), kSlotText);
        return CutTo(slot, room);
    }
    return CutTo(English(id), room);
}

std::string Strings::Direct(int id, std::string_view builtIn) const {
    // An empty slot falls back to the literal: a language file that lacks an
    // entry must not leave a menu item or a label blank.
    if (languageLoaded_ && id >= 0 && id < kSlotCount && !slots_[static_cast<std::size_t>(id)].empty()) {
        return slots_[static_cast<std::size_t>(id)];
    }
    return std::string(builtIn);
}

int Strings::FindLanguages(const std::string& folder) {
    languages_.clear();
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file(error) && HasLanguageExtension(entry.path())) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        if (languages_.size() == kMaxLanguages) break;
        const auto head = ReadHead(file.string(), 100);
        if (!head) continue;
        std::string name = head->substr(0, head->find_first_of("\r\n"));
        if (name.empty()) break;  // an unnamed language ends the list
        languages_.push_back({CutTo(name, kMaxNameLength), file.string()});
    }
    return languages_.empty() ? -1 : static_cast<int>(languages_.size());
}

bool Strings::LoadLanguage(const std::string& name) {
    for (const auto& language : languages_) {
        if (language.name != name) continue;
        const auto content = ReadHead(language.path, kMaxFileSize);
        if (!content) continue;
        if (content->empty()) break;
        ReadLanguageText(*content);
        languageLoaded_ = true;
        return true;
    }
    languageLoaded_ = false;
    return false;
}

void Strings::ReadLanguageText(std::string_view content) {
    std::size_t pos = content.find('\n');  // the first line is the name
    while (pos != std::string_view::npos && pos + 1 < content.size()) {
        const std::size_t start = pos + 1;
        pos = content.find('\n', start);
        const std::string_view line =
            content.substr(start, pos == std::string_view::npos ? content.npos : pos - start);
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const auto id = ParseId(line.substr(0, eq));
        if (!id || *id >= kSlotCount) continue;
        std::string_view text = line.substr(eq + 1);
        // The last character is the line's carriage return; it goes even on a
        // last line without a line feed, as the files have always been read.
        if (!text.empty()) text.remove_suffix(1);
        slots_[static_cast<std::size_t>(*id)] = CutTo(text, kSlotText);
    }
}

}  // namespace shell
