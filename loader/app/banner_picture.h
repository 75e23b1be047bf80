#pragma once
// The picture at the top of the main form, drawn from its SVG across the
// form's whole width at whatever size and pixel density the screen has.
#include <QSvgRenderer>
#include <QWidget>

namespace tarvel {

class BannerPicture final : public QWidget {
public:
    explicit BannerPicture(QWidget* parent);
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer renderer_;
};

}  // namespace tarvel
