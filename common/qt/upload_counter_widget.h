#pragma once
// The count of records received, in a small light-yellow box in the middle
// of the screen above every window, while an upload runs.
#include <QPointer>

#include "common/ui_port.h"

class QLabel;

namespace qtui {

class UploadCounterWidget final : public common::UploadCounter {
public:
    UploadCounterWidget();
    ~UploadCounterWidget() override;
    void Show(const std::string& text) override;

private:
    QPointer<QLabel> box_;
};

}  // namespace qtui
