#pragma once
// The loader's texts: its own Russian string table, built into the program.
// The loader loads no language files. Texts are Windows-1251 bytes, as
// every UI port takes them.
#include <string>

#include "common/text/string_table.h"

namespace loader {

// A string table over the loader's texts.
text::StringTable MakeLoaderStringTable();

// The text of `id` (see loader_string_ids.h), whole; empty for an id the
// table lacks.
std::string LoaderText(int id);

// The text of `id` with its "%s" replaced by `value` (Windows-1251), cut to
// the 299 characters the loader's messages have always held.
std::string LoaderTextWith(int id, const std::string& value);

}  // namespace loader
