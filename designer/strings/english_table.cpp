#include "designer/strings/english_table.h"

#include <cstddef>
#include <string_view>

extern const unsigned char kEnglishStrings[];
extern const std::size_t kEnglishStrings_size;

namespace strings {

text::StringTable MakeStringTable() {
    return text::StringTable(std::string_view(reinterpret_cast<const char*>(kEnglishStrings), kEnglishStrings_size));
}

}  // namespace strings
