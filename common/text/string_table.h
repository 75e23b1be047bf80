#pragma once
// Every text a program shows is looked up by a numeric id: in the program's
// built-in string table, overridden entry by entry by a language file.
// Texts are Windows-1251 bytes.
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace text {

// Which result buffer a lookup fills. Kind 1 holds message-box captions,
// kind 2 message texts, kind 4 default terminal texts; the kinds differ only
// in how long a text they hold.
enum class LookupKind { Caption = 1, Message = 2, Text = 3, TerminalText = 4 };

// One language file found beside the program.
struct Language {
    std::string name;  // from the file's first line, at most 40 characters
    std::string path;
};

class StringTable {
public:
    static constexpr int kSlotCount = 2800;      // ids 0..2799
    static constexpr std::size_t kSlotText = 80;  // characters a language slot holds
    static constexpr std::size_t kMaxLanguages = 20;
    static constexpr std::size_t kMaxNameLength = 40;
    // The language name that stands for the built-in table; no file is listed under it.
    static constexpr std::string_view kBuiltInName = "0";
    // Room for every slot of the table at its longest ("2799=" and 80
    // characters with CR LF), so a complete translation is read whole. Older
    // language files were cut at 18000 bytes, which a translation of every
    // editor label outgrows; reading more of them changes nothing.
    static constexpr std::size_t kMaxFileSize = 256 * 1024;

    // `builtIn` is the program's own table as UTF-8 text: the first line
    // names the table, every further line is `id=text`; other lines (blank
    // ones, "#" comments) are skipped. A line cannot hold a line break, so
    // the two characters "\n" in a text stand for a line feed and "\r" for a
    // carriage return. The texts are kept as Windows-1251.
    explicit StringTable(std::string_view builtIn);

    // The text of `id`: the loaded language's entry, else the built-in one
    // (which then also fills the language's empty slot). Cut to what the
    // buffer of `kind` holds: 127 characters, 80 for TerminalText.
    std::string Lookup(int id, LookupKind kind = LookupKind::Message);

    // The built-in table's entry alone; empty when the table has none.
    std::string_view BuiltIn(int id) const;

    bool LanguageLoaded() const { return languageLoaded_; }

    // For captions, menu items and labels: the language's slot when a
    // language is loaded and the slot holds a text, else the built-in entry.
    // Unlike Lookup it never fills a slot.
    std::string Direct(int id) const;

    // Lists the "*.lng" files of `folder` (at most 20, in name order).
    // Returns their count, or -1 when there is none. The list is replaced.
    // A file whose name is kBuiltInName is left out.
    int FindLanguages(const std::string& folder);
    const std::vector<Language>& Languages() const { return languages_; }

    // Loads the listed language called `name` (the first listed file of that
    // name that can be read). Returns whether one was loaded; the flag follows.
    // Slots the file does not mention keep what earlier languages put there.
    // The name "0" (the built-in table) matches no language.
    bool LoadLanguage(const std::string& name);

private:
    void ReadLanguageText(std::string_view content);

    std::map<int, std::string> builtIn_;
    bool languageLoaded_ = false;
    std::vector<std::string> slots_;
    std::vector<Language> languages_;
};

}  // namespace text
