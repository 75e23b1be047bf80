#pragma once
// The lookup field dialog "LookupAdvanceDlg", for a lookup line: whether the
// field's data is saved and, if so, with which fixed length, alignment,
// prefix and suffix.
#include "designer/editors/line_dialog.h"

namespace editors {

class LookupAdvanceDialog final : public LineDialog {
public:
    // Control ids of the template.
    static constexpr int kSaveDataCheck = 101;
    static constexpr int kFixedLengthCheck = 102;
    static constexpr int kFixedLength = 301;
    static constexpr int kAlignment = 401;
    static constexpr int kPrefixCheck = 103;
    static constexpr int kPrefix = 302;
    static constexpr int kSuffixCheck = 104;
    static constexpr int kSuffix = 303;

    // For line `line` (0..7) of `form`, a working form record.
    LookupAdvanceDialog(EditorContext& context, task::FormRecord& form, int line);

protected:
    void Update() override;
    bool Accept() override;
};

}  // namespace editors
