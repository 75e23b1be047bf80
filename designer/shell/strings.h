#pragma once
// Every designer text is looked up by a numeric id: the English string table
// built into the program, overridden entry by entry by a language file.
// Texts are Windows-1251 bytes.
#include <string>
#include <string_view>

namespace shell {

// Which result buffer a lookup fills; the buffers differ only in size.
enum class LookupKind { Caption = 1, Message = 2, Text = 3, TerminalText = 4 };

class Strings {
public:
    Strings();

    // The text of `id`: the loaded language's entry, else the English table's
    // (which then also fills the language's empty slot). Cut to the buffer of `kind`.
    std::string Lookup(int id, LookupKind kind = LookupKind::Message);

    // The English table's entry alone; empty when the table has none.
    std::string_view English(int id) const;

    bool LanguageLoaded() const { return languageLoaded_; }

    // For texts with no table entry (captions, menu items, labels): the
    // language's slot when a language is loaded, else the built-in literal.
    std::string Direct(int id, std::string_view builtIn) const;

private:
    bool languageLoaded_ = false;
};

}  // namespace shell
