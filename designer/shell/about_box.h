#pragma once
// The About box "AboutBox": the program and its version, its maker's web
// site (control 1014) and support address (control 1015) as links, and OK
// (control 1), in the designer's language.
#include <QDialog>

#include "common/text/string_table.h"

namespace shell {

class AboutBox final : public QDialog {
    Q_OBJECT
public:
    AboutBox(const text::StringTable& strings, QWidget* parent = nullptr);
};

}  // namespace shell
