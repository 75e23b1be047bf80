#pragma once
// A key-code box: an edit box that takes no typing. A left click (or Space)
// asks for the grid dialog; while the grid is open for it the box is a solid
// blue rectangle, so the user sees which box the grid fills.
#include <functional>

#include <QLineEdit>

namespace editors {

class KeyCodeBox final : public QLineEdit {
    Q_OBJECT

public:
    KeyCodeBox(std::function<void()> openGrid, QWidget* parent);

    void SetGridOpen(bool open);
    bool GridOpen() const { return gridOpen_; }

    // The solid blue of a box whose grid is open.
    static QColor OpenColor();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> openGrid_;
    bool gridOpen_ = false;
};

}  // namespace editors
