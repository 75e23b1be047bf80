#pragma once
// Paints the terminal from its layout: the art, the keys and the screen's
// text. The window paints with it, and so does the PNG renderer, so the two
// pictures are the same.
#include <QColor>
#include <QImage>
#include <vector>

#include "designer/simulator/screen_buffer.h"
#include "designer/simulator/qt/screen_font.h"
#include "designer/simulator/qt/terminal_art.h"
#include "designer/simulator/terminal_layout.h"

class QPainter;

namespace simulator {

class TerminalPainter {
public:
    TerminalPainter();

    // Paints in picture pixels; scale the painter first for a zoom.
    void Paint(QPainter& painter, const std::vector<Drawing>& drawings);

    const TerminalArt& Art() const { return art_; }
    const ScreenFont& Font() const { return font_; }

    // The ink of the screen's text, dark on the LCD and light on the bar.
    static QColor TextColor(bool light);

private:
    void PaintText(QPainter& painter, const Drawing& text);

    TerminalArt art_;
    ScreenFont font_;
};

// The whole terminal showing `screen`, `scale` times the picture's size, on a
// transparent background.
QImage RenderTerminal(TerminalPainter& painter, const ScreenBuffer& screen, double scale, int pressedKey = 0);

}  // namespace simulator
