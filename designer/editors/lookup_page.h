#pragma once
// The Lookup page "LOOKUPDLG": the three lookup files of the task, one shown
// at a time: the record layout (fixed-length fields at offsets, or delimited
// fields of a maximum length), the key field, and what the terminal does
// when a value has no match, a record is malformed or data is read.
#include <array>

#include "designer/editors/page_model.h"

namespace editors {

class LookupPage final : public PageModel {
public:
    // Control ids of the template.
    static constexpr int kNameList = 451;  // chooses the lookup file shown
    static constexpr int kMemberLengthBox = 309;
    static constexpr int kFieldCountList = 401;
    static constexpr int kFixedLengthRadio = 161;
    static constexpr int kDelimiterRadio = 162;
    static constexpr int kDelimiterBox = 310;
    static constexpr int kUploadableCheck = 101;
    static constexpr int kNoMatchList = 402;
    static constexpr int kBadRecordList = 403;
    static constexpr int kReadOnceCheck = 102;
    static constexpr int kNegativeRemainsCheck = 103;
    static constexpr int kDeleteIfNullCheck = 1011;
    static constexpr int kDelimitersOnlyWarning = 1015;
    static constexpr int kResetButton = 201;
    // Field j (0..7) of each column is the first id + j.
    static constexpr int kKeyRadio = 151;
    static constexpr int kOffsetBox = 301;
    static constexpr int kLengthBox = 311;
    // The heading of the length column, which names what the lengths mean.
    static constexpr int kLengthHeading = 9007;

    LookupPage(EditorContext& context, std::string title);

    // Derives the layout of delimited records, writes the three lookup files
    // into the task and numbers the calculator entry after them.
    void Commit() override;

    int CurrentLookup() const { return current_; }

protected:
    void OnEdited(int id) override;
    void OnChosen(int id, int previous) override;
    void OnClicked(int id) override;
    void Update() override;

private:
    task::LookupRecord& WorkingLookup() { return lookups_[static_cast<std::size_t>(current_)]; }
    Locate ByteAt(std::size_t offset);
    void BindControls();
    void ShowLookup(int lookup);
    void FillNoMatchList();
    void ChangeMode(bool delimited);
    void Reset();

    std::array<task::LookupRecord, task::kLookupCount> lookups_;
    int current_ = 0;
};

}  // namespace editors
