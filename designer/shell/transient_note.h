#pragma once
// A short line shown over the terminal for a moment ("Saved: stock.UZX"),
// gone by itself; it takes no clicks, so the terminal stays usable under it.
#include <QLabel>
#include <QTimer>

namespace shell {

class TransientNote final : public QLabel {
    Q_OBJECT
public:
    static constexpr int kShownMs = 2000;

    explicit TransientNote(QWidget* parent);

    // Shows `text` (shortened in the middle when the window is narrower),
    // for kShownMs from now.
    void ShowFor(const QString& text);

private:
    QTimer hideTimer_;
};

}  // namespace shell
