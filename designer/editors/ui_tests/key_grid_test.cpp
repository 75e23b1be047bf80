// The key-code box and the grid dialog as widgets: the grid is drawn over
// the model's state, a click on a cell picks its code, and the box is solid
// blue while its grid is open.
#include <QImage>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "designer/editors/grid_dialog.h"
#include "designer/editors/qt/key_code_box.h"
#include "designer/editors/qt/key_grid_widget.h"
#include "designer/editors/qt/property_sheet_dialog.h"
#include "designer/editors/qt/readout.h"
#include "designer/editors/test_support.h"
#include "testing/qt/controls.h"
#include "testing/qt/modal_dialog_watch.h"

namespace editors {
namespace {

using testing::KeyCodesDialog;
using testing_qt::ControlOf;
using testing_qt::ModalDialogWatch;

// How many pixels of `area` have about the colour `colour`.
int PixelsLike(const QImage& image, const QRect& area, QColor colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const int distance = std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                                 std::abs(pixel.blue() - colour.blue());
            if (distance < 90) ++count;
        }
    }
    return count;
}

// `area` of a widget in the pixels of its grab.
QRect InImage(const QWidget& widget, const QRect& area) {
    const qreal ratio = widget.devicePixelRatioF();
    return QRectF(QPointF(area.topLeft()) * ratio, QPointF(area.bottomRight()) * ratio).toRect();
}

class KeyGridTest : public ::testing::Test {
protected:
    // Runs the key-codes page's dialog with `act` done in it.
    void RunCodesDialog(const std::function<void(QDialog&)>& act) {
        const auto sheet = bench.Open(testing::kKeyCodesPages);
        PropertySheetDialog window(*sheet);
        window.show();
        ModalDialogWatch watch("CodesDlg", act);
        QTest::mouseClick(ControlOf<QPushButton>(&window, testing::KeyCodesPage::kOpen), Qt::LeftButton);
        page = static_cast<testing::KeyCodesPage*>(sheet->Page(0));
        record = page->record;
    }

    testing::SheetBench bench;
    testing::KeyCodesPage* page = nullptr;
    KeyCodesDialog::Record record{};
};

TEST_F(KeyGridTest, TheGridIsDrawnOverTheModelAndAClickPicksTheCode) {
    RunCodesDialog([](QDialog& codes) {
        auto* box = ControlOf<KeyCodeBox>(&codes, KeyCodesDialog::kTen);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), " ESC 1");
        EXPECT_TRUE(box->isReadOnly());
        ModalDialogWatch watch("GridDlg", [box](QDialog& grid) {
            EXPECT_EQ(grid.windowTitle(), "The Grid Control");
            EXPECT_TRUE(box->GridOpen());
            const QImage boxImage = box->grab().toImage();
            EXPECT_EQ(boxImage.pixelColor(boxImage.rect().center()), KeyCodeBox::OpenColor())
                << "the box is solid blue while its grid is open";

            auto* cells = ControlOf<KeyGridWidget>(&grid, GridDialog::kGrid);
            ASSERT_NE(cells, nullptr);
            const QImage image = cells->grab().toImage();
            const QRect space = InImage(*cells, cells->CellRect(0x20).adjusted(2, 2, -2, -2));
            EXPECT_GT(PixelsLike(image, space, QColor(0, 0, 255)), space.width() * space.height() / 2)
                << "the selected cell is blue";
            const QRect corner = InImage(*cells, cells->CellRect(0x00).translated(-cells->CellRect(0x00).width(),
                                                                                   -cells->CellRect(0x00).height())
                                                     .adjusted(2, 2, -2, -2));
            EXPECT_GT(PixelsLike(image, corner, QColor(224, 224, 224)), corner.width() * corner.height() / 2)
                << "headers are light grey";
            EXPECT_GT(PixelsLike(image, InImage(*cells, cells->CellRect(0x1E)), QColor(220, 0, 0)), 3)
                << "a variable is written in red";
            EXPECT_EQ(PixelsLike(image, InImage(*cells, cells->CellRect(0x3E)), QColor(220, 0, 0)), 0);

            QTest::mouseClick(cells, Qt::LeftButton, {}, cells->CellRect(0x41).center());
            QTest::mouseClick(cells, Qt::LeftButton, {}, cells->CellRect(0x0D).center());
            QTest::mouseClick(cells, Qt::LeftButton, {}, QPoint(cells->CellRect(0x41).center().x(), 2));
            EXPECT_EQ(cells->Selected(), 0x41) << "Enter and the header took nothing";
            EXPECT_EQ(ControlOf<Readout>(&grid, GridDialog::kResult)->text(), " ESC 1 A");
            QTest::mouseClick(ControlOf<QPushButton>(&grid, 1), Qt::LeftButton);
        });
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_FALSE(box->GridOpen());
        EXPECT_EQ(box->text(), " ESC 1 A");
        QTest::mouseClick(ControlOf<QPushButton>(&codes, 1), Qt::LeftButton);
    });
    EXPECT_EQ(record[2], 0x41);
}

TEST_F(KeyGridTest, SpaceOpensTheGridTooAndTypingChangesNothing) {
    RunCodesDialog([](QDialog& codes) {
        auto* box = ControlOf<KeyCodeBox>(&codes, KeyCodesDialog::kTwo);
        ASSERT_NE(box, nullptr);
        QTest::keyClicks(box, "xyz");
        EXPECT_EQ(box->text(), " A");
        ModalDialogWatch watch("GridDlg", [](QDialog& grid) {
            QTest::mouseClick(ControlOf<QPushButton>(&grid, GridDialog::kClearButton), Qt::LeftButton);
            EXPECT_EQ(ControlOf<Readout>(&grid, GridDialog::kResult)->text(), "");
            QTest::keyClick(&grid, Qt::Key_Escape);
        });
        QTest::keyClick(box, Qt::Key_Space);
        EXPECT_EQ(box->text(), " A") << "Esc is Cancel";
        QTest::mouseClick(ControlOf<QPushButton>(&codes, 1), Qt::LeftButton);
    });
    EXPECT_EQ(record[10], 0x41);
}

TEST(Readout, ShowsGreyTextOnWhiteAndKeepsAllOfIt) {
    Readout line(nullptr);
    line.resize(60, line.sizeHint().height());
    const QString text = QStringLiteral(" variable2 and a good deal more than fits");
    line.setText(text);
    EXPECT_EQ(line.text(), text);
    line.show();
    const QImage image = line.grab().toImage();
    EXPECT_GT(PixelsLike(image, image.rect(), QColor(128, 128, 128)), 5) << "grey text on white";
    EXPECT_GT(PixelsLike(image, image.rect().adjusted(3, 3, -3, -3), Qt::white), image.width() * image.height() / 3);
}

}  // namespace
}  // namespace editors
