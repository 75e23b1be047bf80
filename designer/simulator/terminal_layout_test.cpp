#include "designer/simulator/terminal_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace simulator {
namespace {

TEST(TerminalLayout, HitTestFollowsTheTableOrder) {
    // The two ENTER keys and the gap between them.
    EXPECT_EQ(KeyAt(43, 197), 16);
    EXPECT_EQ(KeyAt(71, 234), 16);
    EXPECT_EQ(KeyAt(130, 197), 17);
    EXPECT_EQ(KeyAt(156, 234), 17);
    EXPECT_EQ(KeyAt(100, 210), 0);
    EXPECT_EQ(KeyAt(129, 210), 0);
    // The up and down keys meet between y 265 and 266.
    EXPECT_EQ(KeyAt(90, 265), 19);
    EXPECT_EQ(KeyAt(90, 266), 22);
    // 18 and 20 own the top of the rows of 21 and 23.
    EXPECT_EQ(KeyAt(60, 250), 18);
    EXPECT_EQ(KeyAt(60, 269), 18);
    EXPECT_EQ(KeyAt(60, 271), 21);
    EXPECT_EQ(KeyAt(130, 270), 20);
    EXPECT_EQ(KeyAt(130, 271), 23);
    // 23 reaches left under 22, which wins where they overlap.
    EXPECT_EQ(KeyAt(113, 280), 22);
    EXPECT_EQ(KeyAt(113, 290), 23);
}

TEST(TerminalLayout, KeypadGridAndGaps) {
    EXPECT_EQ(KeyAt(45, 296), 1);
    EXPECT_EQ(KeyAt(119, 317), 2);
    EXPECT_EQ(KeyAt(154, 300), 3);
    EXPECT_EQ(KeyAt(100, 330), 5);
    EXPECT_EQ(KeyAt(60, 360), 7);
    EXPECT_EQ(KeyAt(60, 390), 10);
    EXPECT_EQ(KeyAt(100, 390), 11);
    EXPECT_EQ(KeyAt(140, 390), 12);
    EXPECT_EQ(KeyAt(60, 410), 13);
    EXPECT_EQ(KeyAt(100, 410), 14);
    EXPECT_EQ(KeyAt(140, 410), 15);
    // Between the keys and off the keypad nothing is pressed: a drag starts.
    EXPECT_EQ(KeyAt(79, 300), 0);
    EXPECT_EQ(KeyAt(60, 320), 0);
    EXPECT_EQ(KeyAt(84, 410), 0);
    EXPECT_EQ(KeyAt(100, 80), 0);
    EXPECT_EQ(KeyAt(-1, -1), 0);
    EXPECT_EQ(KeyAt(199, 458), 0);
}

TEST(TerminalLayout, EveryKeyIsReachableAtItsOwnCentre) {
    for (const KeyPlace& place : kKeyPlaces) {
        int x = (place.hit.left + place.hit.right) / 2;
        int y = (place.hit.top + place.hit.bottom) / 2;
        // The middle of 21 and 23 lies inside 18 and 20; take their lower part.
        if (place.key == 21 || place.key == 23) y = 280, x = place.key == 21 ? 60 : 130;
        EXPECT_EQ(KeyAt(x, y), place.key) << "key " << place.key;
    }
    for (int key = 1; key <= 23; ++key) EXPECT_NE(FindKeyPlace(key), nullptr);
    EXPECT_EQ(FindKeyPlace(0), nullptr);
    EXPECT_EQ(FindKeyPlace(24), nullptr);
}

TEST(TerminalLayout, ScaledPointsMapBackToPicturePixels) {
    EXPECT_EQ(KeyAtScaled(60 * 2.0, 250 * 2.0, 2.0), 18);
    // Pixel 159 at zoom 2 is picture pixel 79, the gap before key 2.
    EXPECT_EQ(KeyAtScaled(159, 600, 2.0), 0);
    EXPECT_EQ(KeyAtScaled(160, 600, 2.0), 2);
    EXPECT_EQ(KeyAtScaled(1.5 * 43, 1.5 * 197, 1.5), 16);
    EXPECT_EQ(KeyAtScaled(1.5 * 43 - 0.1, 1.5 * 197, 1.5), 0);
    EXPECT_EQ(KeyAtScaled(60, 250, 1.0), 18);
    EXPECT_EQ(KeyAtScaled(60, 250, 0.0), 0);
}

TEST(TerminalLayout, ImageOrigins) {
    EXPECT_EQ(ReleasedOrigin(1), (Point{38, 295}));
    EXPECT_EQ(ReleasedOrigin(6), (Point{120, 322}));
    EXPECT_EQ(ReleasedOrigin(14), (Point{79, 403}));
    EXPECT_EQ(ReleasedOrigin(17), (Point{129, 197}));
    EXPECT_EQ(FindKeyPlace(14)->pressedOrigin, (Point{78, 403}));
    EXPECT_EQ(ReleasedImage(1), 501);
    EXPECT_EQ(ReleasedImage(23), 523);
    EXPECT_EQ(PressedImage(1), 524);
    EXPECT_EQ(PressedImage(23), 546);
}

std::vector<Drawing> ImagesAt(const std::vector<Drawing>& all, int image) {
    std::vector<Drawing> found;
    std::copy_if(all.begin(), all.end(), std::back_inserter(found),
                 [image](const Drawing& d) { return d.kind == Drawing::Kind::Image && d.image == image; });
    return found;
}

TEST(TerminalLayout, ComposeDrawsThePressedKeyInPlaceOfItsReleasedImage) {
    ScreenBuffer screen;
    const auto idle = ComposeTerminal(screen, 0);
    ASSERT_FALSE(idle.empty());
    EXPECT_EQ(idle.front().image, kTerminalImage);
    for (int key = 1; key <= 23; ++key) EXPECT_EQ(ImagesAt(idle, ReleasedImage(key)).size(), 1u);

    const auto pressed = ComposeTerminal(screen, 3);
    EXPECT_TRUE(ImagesAt(pressed, ReleasedImage(3)).empty());
    ASSERT_EQ(ImagesAt(pressed, PressedImage(3)).size(), 1u);
    EXPECT_EQ(ImagesAt(pressed, PressedImage(3))[0].at, (Point{121, 295}));
}

TEST(TerminalLayout, ComposeScreenPlacesLinesBarCursorAndClock) {
    ScreenBuffer menu;
    menu.mode = Mode::MainMenu;
    menu.wideSpacing = true;
    menu.highlight = 2;
    menu.lines[0] = "1. Collect data";
    menu.lines[1] = "2. Upload data";
    menu.clockLine = "JAN 07, 09:05 0012";
    const auto drawn = ComposeTerminal(menu, 0);

    const auto bar = ImagesAt(drawn, kHighlightImage);
    ASSERT_EQ(bar.size(), 1u);
    EXPECT_EQ(bar[0].at, (Point{39, 52}));
    EXPECT_TRUE(ImagesAt(drawn, kCursorImage).empty());
    EXPECT_TRUE(ImagesAt(drawn, kAlphabeticOffImage).empty());
    ASSERT_EQ(ImagesAt(drawn, kClockBackgroundImage).size(), 1u);

    std::vector<Drawing> texts;
    std::copy_if(drawn.begin(), drawn.end(), std::back_inserter(texts),
                 [](const Drawing& d) { return d.kind == Drawing::Kind::Text; });
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].at, (Point{39, 35}));
    EXPECT_FALSE(texts[0].light);
    EXPECT_EQ(texts[1].at, (Point{39, 50}));
    EXPECT_TRUE(texts[1].light);
    EXPECT_EQ(texts[2].text, "JAN 07, 09:05 0012");
    EXPECT_EQ(texts[2].at, kClockLineOrigin);

    ScreenBuffer form;
    form.mode = Mode::Form;
    form.cursorRow = 2;
    form.cursorColumn = 5;
    form.pendingLetter = 'B';
    form.lines[2] = "Qty:";
    const auto formDrawn = ComposeTerminal(form, 0);
    ASSERT_EQ(ImagesAt(formDrawn, kCursorImage).size(), 1u);
    EXPECT_EQ(ImagesAt(formDrawn, kCursorImage)[0].at, (Point{69, 56}));
    EXPECT_EQ(ImagesAt(formDrawn, kAlphabeticOffImage).size(), 1u);
    EXPECT_EQ(formDrawn.back().text, "B");
    EXPECT_EQ(formDrawn.back().at, (Point{69, 55}));

    form.alphabetic = true;
    const auto lit = ComposeTerminal(form, 0);
    ASSERT_EQ(ImagesAt(lit, kAlphabeticOnImage).size(), 1u);
    EXPECT_EQ(ImagesAt(lit, kAlphabeticOnImage)[0].at, kIndicatorOrigin);
    EXPECT_TRUE(ImagesAt(lit, kAlphabeticOffImage).empty());
}

TEST(TerminalLayout, OddScreenStateStaysInsideTheScreen) {
    ScreenBuffer odd;
    odd.mode = Mode::Form;
    odd.cursorRow = 9;  // outside the 8 lines: no cursor
    odd.pendingLetter = 'Q';
    odd.highlight = 12;
    odd.lines[7] = std::string(40, 'X');
    const auto drawn = ComposeTerminal(odd, 99);
    EXPECT_TRUE(ImagesAt(drawn, kCursorImage).empty());
    EXPECT_TRUE(ImagesAt(drawn, kHighlightImage).empty());
    EXPECT_EQ(drawn.back().text.size(), static_cast<size_t>(kLineCharacters));
    EXPECT_EQ(drawn.back().at, (Point{39, 105}));
    for (int key = 1; key <= 23; ++key) EXPECT_EQ(ImagesAt(drawn, ReleasedImage(key)).size(), 1u);

    odd.cursorRow = 0;
    odd.cursorColumn = 500;
    const auto far = ComposeTerminal(odd, 0);
    EXPECT_TRUE(ImagesAt(far, kCursorImage).empty());
    EXPECT_NE(far.back().text, "Q");
}

}  // namespace
}  // namespace simulator
