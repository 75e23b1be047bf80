#pragma once
// The summation dialog "FormSummation" of a function key: which file's field
// the key sums and the field it may multiply it by. Nothing is stored before
// its OK.
#include <array>

#include "designer/editors/dialog_model.h"

namespace editors {

class SummationDialog final : public DialogModel {
public:
    // Control ids of the template.
    static constexpr int kSource = 1024;
    static constexpr int kSumField = 1017;
    static constexpr int kMultiplyCheck = 1011;
    static constexpr int kMultiplyField = 1018;

    // For function key `key` (0..3) of `form`, a working form record.
    SummationDialog(EditorContext& context, task::FormRecord& form, int key);

protected:
    void OnClicked(int id) override;
    void Update() override;
    bool Accept() override;

private:
    enum Value { kSourceValue, kSumValue, kMultiplyOn, kMultiplier, kValues };
    Locate At(Value value);

    task::FormRecord& form_;
    int key_;
    // What the controls show until OK; the multiplier is field + 1, 0 for none.
    std::array<Byte, kValues> values_{};
};

}  // namespace editors
