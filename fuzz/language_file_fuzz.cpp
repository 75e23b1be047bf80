// Language files beside the designer. Whatever a file holds, its name is one
// line of at most 40 characters that the settings file can store and choose
// again, it loads when it is listed, and no text it gives outgrows the
// buffer it is looked up into. The built-in name loads nothing.
#include <fstream>

#include "designer/strings/english_table.h"
#include "fuzz/fuzz_input.h"
#include "testing/temp_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    using text::LookupKind;
    using text::StringTable;
    static const test_support::TempFolder folder;
    static const StringTable english = strings::MakeStringTable();
    std::ofstream(folder.File("language.lng"), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    StringTable strings = english;
    const int found = strings.FindLanguages(folder.Path());
    Require(found == -1 || found == 1, "one language file listed as another number of languages");
    if (found == 1) {
        const std::string name = strings.Languages()[0].name;
        Require(!name.empty() && name.size() <= StringTable::kMaxNameLength, "a language name is empty or too long");
        Require(name.find_first_of("\r\n") == std::string::npos, "a language name holds a line end");
        Require(name != StringTable::kBuiltInName, "a language is listed under the built-in table's name");
        Require(strings.LoadLanguage(name), "a listed language does not load");
        Require(strings.LanguageLoaded(), "a loaded language is not marked loaded");
    }
    for (int id = 0; id < StringTable::kSlotCount; ++id) {
        Require(strings.Lookup(id, LookupKind::Caption).size() <= 127, "a caption outgrows its buffer");
        Require(strings.Lookup(id, LookupKind::TerminalText).size() <= 80, "a terminal text outgrows its buffer");
        Require(strings.Direct(id).size() <= std::max(StringTable::kSlotText, english.BuiltIn(id).size()),
                "a language entry outgrows its slot");
    }
    Require(!strings.LoadLanguage(std::string(StringTable::kBuiltInName)), "the built-in table's name loaded a file");
    for (int id = 0; id < StringTable::kSlotCount; ++id) {
        Require(strings.Direct(id) == english.Direct(id), "the built-in table is not back after choosing it");
    }
    return 0;
}
