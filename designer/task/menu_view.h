#pragma once
// Typed access to one MenuRecord: its font, caption, ten items (index 0..9)
// with their targets, the save and pass-down switches and the counts the
// simulator and the terminal keep in it.
#include <string>
#include <string_view>

#include "designer/task/record_view.h"
#include "designer/task/task_model.h"

namespace task {

class ConstMenuView : public ConstRecordView<kMenuRecordSize> {
public:
    explicit ConstMenuView(const MenuRecord& record) : ConstRecordView(record) {}

    Byte Font() const { return At(menu::kFont); }
    bool LargeFont() const { return Font() != 0; }
    int TextWidth() const { return task::TextWidth(LargeFont()); }

    Byte ShowCaption() const { return At(menu::kShowCaption); }
    ConstSlot CaptionSlot() const { return SlotAt(menu::kCaption, kWideSlot); }
    std::string Caption() const { return SlotText(CaptionSlot()); }

    ConstSlot ItemSlot(int item) const { return SlotAt(menu::kItems, kWideSlot, item); }
    std::string Item(int item) const { return SlotText(ItemSlot(item)); }
    Byte ItemTarget(int item) const { return At(menu::kItemTargets, item); }
    Byte EscTarget() const { return At(menu::kEscTarget); }

    Byte SaveCaption() const { return At(menu::kSaveCaption); }
    Byte SaveSelectedItem() const { return At(menu::kSaveSelected); }
    Byte PassDown() const { return At(menu::kPassDown); }

    // Items with a character above a space (bytes 0x80 and up count) before
    // their terminator, within the menu's width: the items a terminal shows.
    int FilledItems() const;

    // Computed and simulator state.
    Byte VisibleItems() const { return At(menu::kVisibleItems); }
    Byte CurrentItem() const { return At(menu::kCurrentItem); }
    Byte EngineState() const { return At(menu::kEngineState); }
};

class MenuView : public RecordView<ConstMenuView, kMenuRecordSize> {
public:
    explicit MenuView(MenuRecord& record) : RecordView(record) {}

    void SetFont(Byte value) const { Put(menu::kFont, value); }
    void SetShowCaption(Byte value) const { Put(menu::kShowCaption, value); }
    Slot CaptionSlot() const { return WritableSlotAt(menu::kCaption, kWideSlot); }
    void SetCaption(std::string_view text) const { SetSlotText(CaptionSlot(), text); }
    Slot ItemSlot(int item) const { return WritableSlotAt(menu::kItems, kWideSlot, item); }
    void SetItem(int item, std::string_view text) const { SetSlotText(ItemSlot(item), text); }
    void SetItemTarget(int item, Byte value) const { Put(menu::kItemTargets, item, value); }
    void SetEscTarget(Byte value) const { Put(menu::kEscTarget, value); }
    void SetSaveCaption(Byte value) const { Put(menu::kSaveCaption, value); }
    void SetSaveSelectedItem(Byte value) const { Put(menu::kSaveSelected, value); }
    void SetPassDown(Byte value) const { Put(menu::kPassDown, value); }
    void SetVisibleItems(Byte value) const { Put(menu::kVisibleItems, value); }
    void SetCurrentItem(Byte value) const { Put(menu::kCurrentItem, value); }
    void SetEngineState(Byte value) const { Put(menu::kEngineState, value); }
};

}  // namespace task
