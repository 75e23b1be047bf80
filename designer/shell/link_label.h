#pragma once
// A text that acts as a link: drawn in the link colour and underlined, the
// underline gone while the mouse is over it; a click opens its address.
#include <QLabel>
#include <QUrl>

namespace shell {

class LinkLabel final : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, QUrl target, QWidget* parent = nullptr);
    const QUrl& Target() const { return target_; }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetHovered(bool hovered);

    QUrl target_;
};

}  // namespace shell
