#include "common/text/string_table.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <optional>

#include "common/cp1251.h"

namespace text {
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

// Calls visit(id, text) for every `id=text` line after the first, which
// names the table or the language; `text` runs up to the line feed.
template <typename Visit>
void ForEachEntry(std::string_view content, Visit visit) {
    std::size_t pos = content.find('\n');
    while (pos != std::string_view::npos && pos + 1 < content.size()) {
        const std::size_t start = pos + 1;
        pos = content.find('\n', start);
        const std::string_view line =
            content.substr(start, pos == std::string_view::npos ? content.npos : pos - start);
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        if (const auto id = ParseId(line.substr(0, eq))) visit(*id, line.substr(eq + 1));
    }
}

// "\n" and "\r" written in a table line stand for a line feed and a carriage return.
std::string WithLineBreaks(std::string_view text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == 'r')) {
            result += text[++i] == 'n' ? '\n' : '\r';
        } else {
            result += text[i];
        }
    }
    return result;
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

StringTable::StringTable(std::string_view builtIn) : slots_(kSlotCount) {
    // Converted whole: the markup ("=", digits, line ends) is ASCII and stays put.
    const std::string converted = common::Utf8ToCp1251(builtIn);
    ForEachEntry(converted, [&](int id, std::string_view text) {
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        builtIn_[id] = WithLineBreaks(text);
    });
}

std::string_view StringTable::BuiltIn(int id) const {
    const auto it = builtIn_.find(id);
    return it == builtIn_.end() ? std::string_view{} : std::string_view(it->second);
}

std::string StringTable::Lookup(int id, LookupKind kind) {
    const std::size_t room = BufferSize(kind) - 1;
    if (languageLoaded_ && id >= 0 && id < kSlotCount) {
        std::string& slot = slots_[static_cast<std::size_t>(id)];
        // An empty slot takes the built-in text, so later lookups find it there.
        if (slot.empty()) slot = CutTo(BuiltIn(id), kSlotText);
        return CutTo(slot, room);
    }
    return CutTo(BuiltIn(id), room);
}

std::string StringTable::Direct(int id) const {
    // An empty slot falls back to the built-in text: a language file that
    // lacks an entry must not leave a menu item or a label blank.
    if (languageLoaded_ && id >= 0 && id < kSlotCount && !slots_[static_cast<std::size_t>(id)].empty()) {
        return slots_[static_cast<std::size_t>(id)];
    }
    return std::string(BuiltIn(id));
}

int StringTable::FindLanguages(const std::string& folder) {
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
        // The settings file stores "0" for the built-in table: a language of
        // that name could be chosen but never loaded.
        if (name == kBuiltInName) continue;
        languages_.push_back({CutTo(name, kMaxNameLength), file.string()});
    }
    return languages_.empty() ? -1 : static_cast<int>(languages_.size());
}

bool StringTable::LoadLanguage(const std::string& name) {
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

void StringTable::ReadLanguageText(std::string_view content) {
    ForEachEntry(content, [&](int id, std::string_view text) {
        if (id >= kSlotCount) return;
        // The last character is the line's carriage return; it goes even on a
        // last line without a line feed, as the files have always been read.
        if (!text.empty()) text.remove_suffix(1);
        slots_[static_cast<std::size_t>(id)] = CutTo(text, kSlotText);
    });
}

}  // namespace text
