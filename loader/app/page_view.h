#pragma once
// A page of the main form as widgets, built from its control table: each
// numbered widget carries its number in the `controlId` property, clicks and
// choices go to the page, and every widget is shown again from the page after
// each of them.
#include <map>

#include <QWidget>

#include "loader/pages/page.h"

namespace tarvel {

class PageView final : public QWidget {
public:
    PageView(loader::pages::Page& page, QWidget* parent);
    ~PageView() override;

    // Shows every control as the page says.
    void Refresh();

private:
    QWidget* Create(const loader::pages::ControlSpec& controlSpec);
    void Changed();

    loader::pages::Page& page_;
    std::map<int, QWidget*> controls_;
    bool refreshing_ = false;
};

}  // namespace tarvel
