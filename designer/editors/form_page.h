#pragma once
// The Form page "FORMDLG": the ten forms of the task, one shown at a time;
// the form-wide navigation, record action, lookup file and error target, and
// the eight line rows with their data type, prompt, input source, lengths
// and lookup field. The line properties that do not fit on the page are
// edited in the field dialogs, which work on this page's working copy.
#include <array>

#include "designer/editors/page_model.h"

namespace editors {

class FormPage final : public PageModel {
public:
    // Control ids of the template.
    static constexpr int kNameList = 451;  // chooses the form shown
    static constexpr int kFontList = 452;
    static constexpr int kEscList = 453;
    static constexpr int kNextList = 454;
    static constexpr int kLookupFileList = 455;
    static constexpr int kRecordList = 456;
    static constexpr int kOnErrorList = 457;
    static constexpr int kTimeStampButton = 210;
    static constexpr int kBranchButton = 211;
    // Line i (0..7) of each column is the first id + i.
    static constexpr int kTypeList = 401;
    static constexpr int kPromptBox = 301;
    static constexpr int kSourceList = 411;
    static constexpr int kMinBox = 311;
    static constexpr int kMaxBox = 321;
    static constexpr int kLookupList = 421;
    static constexpr int kMoreButton = 201;

    FormPage(EditorContext& context, std::string title);

    // Clears what no longer applies to each line's type, writes the ten
    // forms into the task, marks it modified and brings the forms into the
    // shape the terminal and the simulator expect.
    void Commit() override;

    // The form shown (0..9) and its working record, which the field dialogs edit.
    int CurrentForm() const { return current_; }
    task::FormRecord& WorkingForm() { return forms_[static_cast<std::size_t>(current_)]; }

protected:
    void OnChosen(int id, int previous) override;
    void OnClicked(int id) override;
    void Update() override;

private:
    Locate ByteAt(std::size_t offset);
    void BindControls();
    void ShowForm();
    void ChangeType(int line, task::Byte type);
    void RebuildLookupList(int line);

    std::array<task::FormRecord, task::kFormCount> forms_;
    int current_ = 0;
};

}  // namespace editors
