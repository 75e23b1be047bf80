#pragma once
// The designer's built-in texts: the English table of resources/strings_en.txt,
// carried inside the program.
#include "common/text/string_table.h"

namespace strings {

// A string table over the English texts, with no language loaded.
text::StringTable MakeStringTable();

}  // namespace strings
