#include "loader/app/tarvel_window.h"

#include <QDesktopServices>
#include <QFrame>
#include <QShortcut>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "common/qt/qt_text.h"
#include "loader/app/banner_picture.h"
#include "loader/app/page_view.h"
#include "loader/pages/help_file.h"

namespace tarvel {

using loader::pages::CloseKind;
using loader::pages::TarvelForm;

TarvelWindow::TarvelWindow(TarvelForm& form, std::string programFolder, QWidget* parent)
    : QDialog(parent),
      form_(form),
      programFolder_(std::move(programFolder)),
      tabs_(new QTabWidget(this)),
      openHelp_([](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }) {
    setObjectName(QStringLiteral("TarvelMainForm"));
    setWindowTitle(qtui::FromCp1251(TarvelForm::Title()));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new BannerPicture(this));
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    layout->addWidget(separator);
    layout->addWidget(tabs_, 1);

    tabs_->setProperty("controlId", loader::pages::kTabControlId);
    const auto titles = TarvelForm::TabTitles();
    for (const std::string& title : titles) tabs_->addTab(new QWidget(tabs_), qtui::FromCp1251(title));
    ShowTab(form_.CurrentTab());
    tabs_->setCurrentIndex(form_.CurrentTab());
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) { ShowTab(tab); });

    form_.closeWindow = [this] { QDialog::done(QDialog::Accepted); };
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::ApplicationShortcut);
    connect(help, &QShortcut::activated, this, [this] { OpenHelp(); });
}

TarvelWindow::~TarvelWindow() { form_.closeWindow = nullptr; }

void TarvelWindow::reject() {
    form_.Close(CloseKind::Ordinary);
    QDialog::done(QDialog::Rejected);
}

void TarvelWindow::ShowTab(int tab) {
    form_.SelectTab(tab);
    if (tab != form_.CurrentTab() || views_[tab]) return;
    QWidget* holder = tabs_->widget(tab);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    views_[tab] = new PageView(*form_.PageOf(tab), holder);
    layout->addWidget(views_[tab]);
}

void TarvelWindow::OpenHelp() { openHelp_(qtui::FromNativePath(loader::pages::HelpFileOf(programFolder_))); }

}  // namespace tarvel
