#pragma once
// The remains dialog "FormRemains" of a function key: whether the key shows
// the remains of a data file field, which field, and the variable that
// filters the records (as their start or, checked, their end). Nothing is
// stored before its OK.
#include <array>

#include "designer/editors/dialog_model.h"

namespace editors {

class RemainsDialog final : public DialogModel {
public:
    // Control ids of the template.
    static constexpr int kEnable = 1029;
    static constexpr int kFilterVariable = 1024;
    static constexpr int kField = 1017;
    static constexpr int kSuffixCheck = 1011;

    // For function key `key` (0..3) of `form`, a working form record.
    RemainsDialog(EditorContext& context, task::FormRecord& form, int key);

protected:
    void Update() override;
    bool Accept() override;

private:
    enum Value { kEnabled, kFieldValue, kSuffix, kVariable, kValues };
    Locate At(Value value);

    task::FormRecord& form_;
    int key_;
    std::array<Byte, kValues> values_{};  // what the controls show until OK
};

}  // namespace editors
