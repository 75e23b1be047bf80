#pragma once
// The line properties dialog "AdvanceDlg", for a line of any type but
// lookup: the value's fixed length and alignment, the initial value, prefix
// and suffix codes, the input mark, decimal places, partial barcodes (by
// position or by GS1 application identifier), the leading code, the check
// digit and Auto ENTER.
#include <array>

#include "designer/editors/line_dialog.h"

namespace editors {

class AdvanceDialog final : public LineDialog {
public:
    // Control ids of the template.
    static constexpr int kFormNumber = 501;
    static constexpr int kLineNumber = 502;
    static constexpr int kFixedLengthCheck = 101;
    static constexpr int kFixedLength = 301;
    static constexpr int kAlignment = 401;
    static constexpr int kInitialValueCheck = 102;
    static constexpr int kInitialValue = 302;
    static constexpr int kPrefixCheck = 103;
    static constexpr int kPrefix = 303;
    static constexpr int kSuffixCheck = 104;
    static constexpr int kSuffix = 304;
    static constexpr int kMarkCheck = 105;
    static constexpr int kMark = 305;
    static constexpr int kDecimals = 404;
    static constexpr int kPartialCheck = 106;
    static constexpr int kBarcodePart = 1043;
    static constexpr int kGs1Part = 1044;
    static constexpr int kStartPosition = 306;
    static constexpr int kPartialMaxLength = 307;
    static constexpr int kSaveFullBarcode = 1011;
    static constexpr int kCutGs1 = 1045;
    static constexpr int kGs1Code = 1013;
    static constexpr int kLeadingCodeCheck = 107;
    static constexpr int kLeadingCode = 308;
    static constexpr int kCheckDigitCheck = 108;
    static constexpr int kCheckDigitMethod = 402;
    static constexpr int kAutoEnter = 403;

    // For line `line` (0..7) of `form`, the working record of form `formIndex` (0..9).
    AdvanceDialog(EditorContext& context, task::FormRecord& form, int formIndex, int line);

protected:
    void OnClicked(int id) override;
    void Update() override;
    bool Accept() override;

private:
    bool showMark_;
    // What the GS1 box holds: stored only by OK, and only for the GS1 part.
    std::array<Byte, task::form::kGs1IdentifierWidth> gs1_{};
};

}  // namespace editors
