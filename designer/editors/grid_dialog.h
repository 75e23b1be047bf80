#pragma once
// The grid dialog "GridDlg": the 256 key codes in a 16 x 16 table of cells,
// picked by a click on their cell, and the resulting string below it. A
// key-code box (dialog_model.h) opens it on the box's codes; its OK gives the
// box the codes chosen, its Cancel leaves the box as it was.
#include <string>

#include "designer/editors/dialog_model.h"
#include "designer/editors/key_codes.h"

namespace editors {

class GridDialog final : public DialogModel {
public:
    static constexpr int kGrid = 501;  // item n is code n; the Qt view paints it
    static constexpr int kResult = 502;
    static constexpr int kResultLabel = 901;
    static constexpr int kClearButton = 201;
    // The cell selected when the grid opens: "SP".
    static constexpr int kFirstSelected = 0x20;

    GridDialog(EditorContext& context, KeyCodes codes);

    const KeyCodes& Codes() const { return codes_; }

protected:
    void OnChosen(int id, int previous) override;
    void OnClicked(int id) override;
    void Update() override;

private:
    KeyCodes codes_;
};

// What a key-code box and the grid's result line show: each code's name
// after a blank; a variable in the user's language ("variable1"). UTF-8.
std::string KeyCodeText(EditorContext& context, const KeyCodes& codes);

}  // namespace editors
