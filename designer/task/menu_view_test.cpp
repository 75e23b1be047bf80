#include "designer/task/menu_view.h"

#include <gtest/gtest.h>

#include "designer/task/view_test_support.h"

namespace task {
namespace {

using testing::ExpectFieldsReach;
using testing::OffsetIn;

TEST(MenuView, FieldsReachTheirBytes) {
    ExpectFieldsReach<MenuView, ConstMenuView>({
        {"font", &MenuView::SetFont, &ConstMenuView::Font, 0},
        {"show caption", &MenuView::SetShowCaption, &ConstMenuView::ShowCaption, 1},
        {"esc", &MenuView::SetEscTarget, &ConstMenuView::EscTarget, 233},
        {"save caption", &MenuView::SetSaveCaption, &ConstMenuView::SaveCaption, 244},
        {"save selected", &MenuView::SetSaveSelectedItem, &ConstMenuView::SaveSelectedItem, 245},
        {"pass down", &MenuView::SetPassDown, &ConstMenuView::PassDown, 246},
        {"visible items", &MenuView::SetVisibleItems, &ConstMenuView::VisibleItems, 247},
        {"current item", &MenuView::SetCurrentItem, &ConstMenuView::CurrentItem, 248},
        {"engine state", &MenuView::SetEngineState, &ConstMenuView::EngineState, 249},
    });
    ExpectFieldsReach<MenuView, ConstMenuView>({{"item target", &MenuView::SetItemTarget, &ConstMenuView::ItemTarget, 234}},
                                               9);

    MenuRecord record{};
    const MenuView view(record);
    EXPECT_EQ(OffsetIn(record, view.CaptionSlot()), 2u);
    EXPECT_EQ(OffsetIn(record, view.ItemSlot(9)), 23u + 9 * 21);
    view.SetItem(9, "10.The last item, cut here");
    EXPECT_EQ(view.Item(9), "10.The last item, cu");
    EXPECT_EQ(record[23 + 9 * 21 + 20], 0);
    EXPECT_EQ(record[233], 0) << "the item stays in its slot";
}

TEST(MenuView, AFilledItemShowsACharacterWithinTheMenuWidth) {
    MenuRecord record{};
    const MenuView view(record);
    view.SetItem(0, "1.Stock");
    view.SetItem(1, "     ");                      // spaces only
    view.SetItem(2, "                \xC0");       // a visible character past 15 only
    const Slot hidden = view.ItemSlot(3);          // text after the terminator is no text
    hidden[1] = 'X';
    view.SetItem(4, "\x80");                      // bytes from 0x80 on are characters
    EXPECT_EQ(view.FilledItems(), 3);
    view.SetFont(1);
    EXPECT_EQ(view.FilledItems(), 2) << "the large font shows 15 characters";
    EXPECT_EQ(view.TextWidth(), 15);
}

}  // namespace
}  // namespace task
