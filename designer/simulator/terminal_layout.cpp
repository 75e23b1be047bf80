#include "designer/simulator/terminal_layout.h"

#include <cmath>

namespace simulator {

const std::array<KeyPlace, 23> kKeyPlaces = {{
    {16, {43, 197, 71, 234}, {43, 197}},
    {17, {130, 197, 156, 234}, {129, 197}},
    {22, {84, 266, 115, 288}, {83, 265}},
    {19, {84, 242, 115, 265}, {83, 241}},
    {18, {49, 240, 80, 270}, {47, 239}},
    {20, {119, 240, 152, 270}, {118, 239}},
    {21, {48, 268, 77, 291}, {47, 263}},
    {23, {112, 268, 151, 291}, {118, 263}},
    {1, {45, 296, 78, 317}, {38, 295}},
    {2, {80, 296, 119, 317}, {79, 295}},
    {3, {121, 296, 154, 317}, {121, 295}},
    {4, {45, 324, 78, 344}, {38, 322}},
    {5, {80, 324, 119, 344}, {79, 322}},
    {6, {121, 324, 154, 344}, {121, 322}},
    {7, {45, 351, 78, 371}, {38, 349}},
    {8, {80, 351, 119, 371}, {79, 349}},
    {9, {121, 351, 154, 371}, {121, 349}},
    {10, {45, 378, 78, 398}, {38, 376}},
    {11, {80, 378, 119, 398}, {79, 376}},
    {12, {121, 378, 154, 398}, {121, 376}},
    {13, {49, 404, 78, 425}, {38, 403}},
    {14, {89, 404, 110, 425}, {78, 403}},
    {15, {121, 404, 150, 425}, {121, 403}},
}};

int KeyAt(int x, int y) {
    for (const KeyPlace& place : kKeyPlaces) {
        if (place.hit.Contains(x, y)) return place.key;
    }
    return 0;
}

int KeyAtScaled(double x, double y, double scale) {
    if (!(scale > 0)) return 0;
    // Pixel (x, y) of the zoomed window covers picture pixel floor(x / scale).
    return KeyAt(static_cast<int>(std::floor(x / scale)), static_cast<int>(std::floor(y / scale)));
}

const KeyPlace* FindKeyPlace(int key) {
    for (const KeyPlace& place : kKeyPlaces) {
        if (place.key == key) return &place;
    }
    return nullptr;
}

Point ReleasedOrigin(int key) {
    if (key >= 1 && key <= 15) {
        const int row = (key - 1) / 3;
        const int column = (key - 1) % 3;
        return {38 + 41 * column, 295 + 27 * row};
    }
    const KeyPlace* place = FindKeyPlace(key);
    return place ? place->pressedOrigin : Point{};
}

namespace {

int LineSpacing(bool wideSpacing) { return wideSpacing ? 15 : 10; }

Drawing Image(int image, Point at) {
    Drawing d;
    d.kind = Drawing::Kind::Image;
    d.image = image;
    d.at = at;
    return d;
}

Drawing Text(std::string text, Point at, bool light) {
    Drawing d;
    d.kind = Drawing::Kind::Text;
    d.text = std::move(text);
    d.at = at;
    d.light = light;
    return d;
}

void ComposeScreen(const ScreenBuffer& screen, std::vector<Drawing>& out) {
    const bool form = screen.mode == Mode::Form;
    const bool cursorShown = form && screen.cursorRow >= 0 && screen.cursorRow < kScreenLines &&
                             screen.cursorColumn >= 0 && screen.cursorColumn < kLineCharacters;
    if (cursorShown) out.push_back(Image(kCursorImage, CursorOrigin(screen.cursorRow, screen.cursorColumn)));
    // The unlit indicator stays visible in forms, where key 13 can light it.
    if (screen.alphabetic) {
        out.push_back(Image(kAlphabeticOnImage, kIndicatorOrigin));
    } else if (form) {
        out.push_back(Image(kAlphabeticOffImage, kIndicatorOrigin));
    }
    for (int i = 0; i < kScreenLines; ++i) {
        const bool highlighted = screen.highlight == i + 1;
        if (highlighted) out.push_back(Image(kHighlightImage, HighlightOrigin(i, screen.wideSpacing)));
        const std::string& line = screen.lines[i];
        if (!line.empty()) {
            out.push_back(Text(line.substr(0, kLineCharacters), LineOrigin(i, screen.wideSpacing), highlighted));
        }
    }
    if (cursorShown && screen.pendingLetter != 0) {
        const Point cell = CursorOrigin(screen.cursorRow, screen.cursorColumn);
        out.push_back(Text(std::string(1, screen.pendingLetter), {cell.x, LineOrigin(screen.cursorRow, false).y},
                           false));
    }
    if (!screen.clockLine.empty()) {
        out.push_back(Image(kClockBackgroundImage, kClockLineOrigin));
        out.push_back(Text(screen.clockLine, kClockLineOrigin, false));
    }
}

}  // namespace

Point LineOrigin(int line, bool wideSpacing) { return {39, 35 + LineSpacing(wideSpacing) * line}; }

Point HighlightOrigin(int line, bool wideSpacing) { return {39, 37 + LineSpacing(wideSpacing) * line}; }

Point CursorOrigin(int row, int column) { return {39 + kCharacterPitch * column, 36 + 10 * row}; }

std::vector<Drawing> ComposeTerminal(const ScreenBuffer& screen, int pressedKey) {
    std::vector<Drawing> out;
    out.push_back(Image(kTerminalImage, {0, 0}));
    for (int key = 1; key <= 23; ++key) {
        if (key == pressedKey) {
            out.push_back(Image(PressedImage(key), FindKeyPlace(key)->pressedOrigin));
        } else {
            out.push_back(Image(ReleasedImage(key), ReleasedOrigin(key)));
        }
    }
    ComposeScreen(screen, out);
    return out;
}

}  // namespace simulator
