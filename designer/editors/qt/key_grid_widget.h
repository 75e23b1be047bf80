#pragma once
// The grid dialog's table of key codes, drawn over the model's state: 17 x 17
// equal cells, a header row of high hexadecimal digits ("00".."F0") and a
// header column of low ones ("00".."0F") on light grey, each code's name in
// its cell (the variables in red), the selected cell in blue. A click on a
// code's cell is handed on with the code; header cells are no codes.
#include <functional>
#include <vector>

#include <QString>
#include <QWidget>

namespace editors {

class KeyGridWidget final : public QWidget {
    Q_OBJECT

public:
    KeyGridWidget(std::function<void(int code)> choose, QWidget* parent);

    // The cells' names (code n at index n) and the selected code.
    void Show(const std::vector<QString>& names, int selected);
    int Selected() const { return selected_; }
    QString SelectedName() const;

    // The cell of `code` in the widget's coordinates.
    QRect CellRect(int code) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The edges of the cells across (columns) or down (rows): 18 of them.
    int Edge(int index, int length) const;
    QRect Cell(int column, int row) const;
    // The cell across or down that holds `position`, -1 for none.
    int CellIndex(int position, int length) const;
    // The code under `point`, -1 for a header or outside.
    int CodeAt(QPoint point) const;
    int CellSide() const;

    std::function<void(int)> choose_;
    std::vector<QString> names_;
    int selected_ = -1;
    int hovered_ = -1;
};

}  // namespace editors
