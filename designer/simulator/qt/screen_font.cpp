#include "designer/simulator/qt/screen_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>

#include "designer/simulator/terminal_layout.h"

namespace simulator {

namespace {

QFont ScreenFace() {
    QFont elite(QStringLiteral("Elite"));
    elite.setStyleHint(QFont::TypeWriter);
    elite.setFixedPitch(true);
    elite.setWeight(QFont::Normal);
    if (QFontInfo(elite).family() == QStringLiteral("Elite")) return elite;

    const QStringList families = QFontDatabase::families();
    for (const char* name : {"DejaVu Sans Mono", "Noto Sans Mono", "Liberation Mono", "Consolas", "Menlo"}) {
        const QString family = QString::fromLatin1(name);
        if (families.contains(family)) {
            QFont font(family);
            font.setStyleHint(QFont::TypeWriter);
            font.setFixedPitch(true);
            return font;
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

}  // namespace

ScreenFont ResolveScreenFont() {
    QFont font = ScreenFace();
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setKerning(false);
    // The largest size whose widest glyph keeps to the column pitch and whose
    // capitals are at most 7 pixels, the terminal's dot-matrix height, so
    // that lines 10 pixels apart stay apart.
    int pixelSize = kCharacterHeight;
    for (; pixelSize > 6; --pixelSize) {
        font.setPixelSize(pixelSize);
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(QLatin1Char('W')) <= kCharacterPitch + 0.25 && metrics.capHeight() <= 7.0 &&
            metrics.height() <= kCharacterHeight) {
            break;
        }
    }
    font.setPixelSize(pixelSize);
    const QFontMetricsF metrics(font);
    // Capitals centred on the highlight bar, which covers pixels 2 to 11 of a cell.
    const double baseline = 7.0 + metrics.capHeight() / 2.0;
    return {font, baseline};
}

}  // namespace simulator
