#include "designer/shell/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/qt/qt_text.h"
#include "common/qt/text_room.h"
#include "designer/shell/link_label.h"
#include "designer/strings/string_ids.h"

namespace shell {
namespace {

constexpr char kSite[] = "https://velmora.example";
constexpr char kSupport[] = "support@velmora.example";

}  // namespace

AboutBox::AboutBox(const text::StringTable& strings, QWidget* parent) : QDialog(parent) {
    namespace id = strings::id;
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(qtui::FromCp1251(strings.Direct(id::kAboutTitle)));
    auto* layout = new QVBoxLayout(this);

    auto* product = new QLabel(qtui::FromCp1251(strings.Direct(id::kProductName)), this);
    QFont bold = product->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    product->setFont(bold);
    layout->addWidget(product);
    layout->addWidget(new QLabel(qtui::FromCp1251(strings.Direct(id::kAboutDescription)), this));
    layout->addWidget(new QLabel(
        qtui::FromCp1251(strings.Direct(id::kAboutVersion)) + QLatin1Char(' ') + QStringLiteral(PROJECT_VERSION_TEXT),
        this));

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
    qtui::MakeRoomForTexts(*this);
}

}  // namespace shell
