#include "designer/shell/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "designer/shell/link_label.h"

namespace shell {
namespace {

constexpr char kSite[] = "https://velmora.example";
constexpr char kSupport[] = "support@velmora.example";

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About Quarrow"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("<b>Quarrow</b> task designer<br>for CipherLab 8300 terminals"), this);
    layout->addWidget(title);
    layout->addWidget(new QLabel(QStringLiteral("Version %1").arg(QStringLiteral(PROJECT_VERSION_TEXT)), this));

    auto* site = new LinkLabel(QString::fromLatin1(kSite), QUrl(QString::fromLatin1(kSite)), this);
    site->setProperty("controlId", 1014);
    layout->addWidget(site);
    auto* mail = new LinkLabel(QString::fromLatin1(kSupport),
                               QUrl(QStringLiteral("mailto:") + QString::fromLatin1(kSupport)), this);
    mail->setProperty("controlId", 1015);
    layout->addWidget(mail);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setProperty("controlId", 1);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace shell
