#pragma once
// Item lists built from the string table, shared by the pages: a numbered
// item is its string followed directly by the number ("form  3").
#include <string>
#include <vector>

#include "designer/editors/editor_context.h"

namespace editors {

// The strings firstId, firstId + 1, ... (count of them).
std::vector<std::string> TextItems(EditorContext& context, int firstId, int count);

// The string `id` followed by 1, 2, ... count.
std::vector<std::string> NumberedItems(EditorContext& context, int id, int count);

// `items` with `more` after them.
void Append(std::vector<std::string>& items, std::vector<std::string> more);

// The targets of forms and menus: "main", "form  1".."form  10", "menu  1".."menu  10"
// (item n is target byte n).
std::vector<std::string> TargetItems(EditorContext& context);

}  // namespace editors
