// The art against the geometry: every image exists, and every keycap lies
// where a click presses that key.
#include <QRectF>

#include <gtest/gtest.h>

#include "designer/simulator/qt/terminal_art.h"
#include "designer/simulator/terminal_layout.h"

namespace simulator {
namespace {

// Every pixel of `cap` (picture pixels, as drawn) presses `key`.
void ExpectCapPresses(const QRectF& cap, int key, const char* which) {
    ASSERT_FALSE(cap.isEmpty()) << which << " key " << key;
    const int left = static_cast<int>(std::floor(cap.left()));
    const int top = static_cast<int>(std::floor(cap.top()));
    const int right = static_cast<int>(std::ceil(cap.right())) - 1;
    const int bottom = static_cast<int>(std::ceil(cap.bottom())) - 1;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            ASSERT_EQ(KeyAt(x, y), key) << which << " cap at (" << x << ", " << y << ")";
        }
    }
}

TEST(TerminalArt, HasEveryImage) {
    TerminalArt art;
    ASSERT_TRUE(art.IsValid());
    for (int image = kFirstImage; image <= kLastImage; ++image) {
        EXPECT_FALSE(art.ImageSize(image).isEmpty()) << image;
    }
    EXPECT_EQ(art.ImageSize(kTerminalImage), QSizeF(kPictureWidth, kPictureHeight));
    EXPECT_TRUE(art.ImageSize(499).isEmpty());
    EXPECT_TRUE(art.ImageSize(552).isEmpty());
    // The bar spans the screen's width, the cursor one column.
    EXPECT_EQ(art.ImageSize(kCursorImage).width(), kCharacterPitch);
    EXPECT_LE(HighlightOrigin(0, false).x + art.ImageSize(kHighlightImage).width(), kScreenArea.right + 1);
}

TEST(TerminalArt, KeycapsSitOnTheirHitRectangles) {
    TerminalArt art;
    for (int key = 1; key <= 23; ++key) {
        const Point released = ReleasedOrigin(key);
        ExpectCapPresses(art.CapWithinImage(ReleasedImage(key)).translated(released.x, released.y), key, "released");
        const Point pressed = FindKeyPlace(key)->pressedOrigin;
        ExpectCapPresses(art.CapWithinImage(PressedImage(key)).translated(pressed.x, pressed.y), key, "pressed");
    }
}

}  // namespace
}  // namespace simulator
