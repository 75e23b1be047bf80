#pragma once
// A line of text the user cannot change, on white in a sunken frame, in grey
// with a small margin, centred in its height. A text too long for the line
// ends in an ellipsis on the screen; text() always holds all of it.
#include <QFrame>
#include <QString>

namespace editors {

class Readout final : public QFrame {
    Q_OBJECT

public:
    explicit Readout(QWidget* parent);

    void setText(const QString& text);
    const QString& text() const { return text_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};

}  // namespace editors
