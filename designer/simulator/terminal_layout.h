#pragma once
// Where everything on the drawn terminal is, in the picture's own pixels
// (200 x 459, whatever the zoom): the keys' hit rectangles and image origins,
// and the places of the screen's lines, cursor, bar and indicators. The window
// and the PNG renderer both paint from here, so a click and a picture agree.
#include <array>
#include <string>
#include <vector>

#include "designer/simulator/screen_buffer.h"

namespace simulator {

constexpr int kPictureWidth = 200;
constexpr int kPictureHeight = 459;

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// Inclusive on every side, as the hit test reads it.
struct Rect {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;

    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

struct KeyPlace {
    int key;              // 1..23
    Rect hit;             // where a click presses it
    Point pressedOrigin;  // where its pressed image goes (and where key 14 opens the menu)
};

// In the order the hit test tries them: where rectangles overlap, the first wins.
extern const std::array<KeyPlace, 23> kKeyPlaces;

// The key under a picture point, 0 for none.
int KeyAt(int x, int y);

// The key under a point of the window drawn at `scale` (1.0 = the picture's
// own size): the point is mapped back into picture pixels first.
int KeyAtScaled(double x, double y, double scale);

// The place of key 1..23 in kKeyPlaces; null for any other number.
const KeyPlace* FindKeyPlace(int key);

// Where the released image of key 1..23 is drawn: keys 1 to 15 on their
// 3-column grid, the others at their own origins.
Point ReleasedOrigin(int key);

// Image ids of the art.
constexpr int kTerminalImage = 500;
constexpr int ReleasedImage(int key) { return 500 + key; }
constexpr int PressedImage(int key) { return 523 + key; }
constexpr int kCursorImage = 547;
constexpr int kHighlightImage = 548;
constexpr int kClockBackgroundImage = 549;
constexpr int kAlphabeticOnImage = 550;
constexpr int kAlphabeticOffImage = 551;
constexpr int kFirstImage = 500;
constexpr int kLastImage = 551;

// The screen. Characters stand in a 6-pixel column pitch, the step the cursor
// moves by, so a 20-character line ends inside the screen area.
constexpr Rect kScreenArea{38, 35, 167, 120};
constexpr int kCharacterPitch = 6;
constexpr int kCharacterHeight = 15;
constexpr Point kClockLineOrigin{39, 105};
constexpr Point kIndicatorOrigin{154, 90};

// Top-left of the character cells of screen line 0..7.
Point LineOrigin(int line, bool wideSpacing);
Point HighlightOrigin(int line, bool wideSpacing);
Point CursorOrigin(int row, int column);

// One thing to draw over the terminal picture, in drawing order.
struct Drawing {
    enum class Kind { Image, Text };
    Kind kind = Kind::Image;
    Point at;
    int image = 0;     // for Kind::Image
    std::string text;  // for Kind::Text: Windows-1251, one character per pitch
    bool light = false;  // text drawn light on the highlight bar
};

// Everything to draw for this screen with key `pressedKey` (0 none) held
// down: the picture, the keys, then the screen.
std::vector<Drawing> ComposeTerminal(const ScreenBuffer& screen, int pressedKey);

}  // namespace simulator
