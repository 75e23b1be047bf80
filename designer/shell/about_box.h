#pragma once
// The About box "AboutBox": the program, its maker's web site (control 1014)
// and support address (control 1015) as links, and OK (control 1).
#include <QDialog>

namespace shell {

class AboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace shell
