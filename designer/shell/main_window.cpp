#include "designer/shell/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QTimer>

#include "designer/shell/about_box.h"
#include "designer/shell/commands.h"
#include "designer/shell/popup_menu.h"
#include "designer/shell/preferences_dialog.h"
#include "common/qt/qt_text.h"
#include "designer/simulator/qt/terminal_window.h"

namespace shell {
namespace {

constexpr QPoint kStartPosition(300, 50);

struct Accelerator {
    QKeyCombination key;
    int command;
};

}  // namespace

MainWindow::MainWindow(DesignerSession& session, simulator::Engine& engine, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), session_(session) {
    setObjectName(QStringLiteral("Mostrel"));
    setWindowTitle(QStringLiteral("Quarrow"));
    // The drawn terminal has rounded corners; the desktop shows through them.
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(kWidth, kHeight);
    move(kStartPosition);
    setWindowFlag(Qt::WindowStaysOnTopHint, session_.CurrentPreferences().alwaysOnTop);
    session_.SetHost(this);
    AddAccelerators();

    terminal_ = new simulator::TerminalWindow(engine, this);
    terminal_->setProperty("controlId", 100);
    terminal_->move(0, 0);
    connect(terminal_, &simulator::TerminalWindow::popupRequested, this, &MainWindow::ShowPopupMenu);
    connect(terminal_, &simulator::TerminalWindow::newTaskRequested, this, [this] { session_.New(); });
    RebuildMenu();
}

MainWindow::~MainWindow() { session_.SetHost(nullptr); }

void MainWindow::AddAccelerators() {
    const Accelerator accelerators[] = {
        {Qt::CTRL | Qt::Key_N, kCommandNew},   {Qt::CTRL | Qt::Key_O, kCommandOpen},
        {Qt::CTRL | Qt::Key_S, kCommandSave},  {Qt::CTRL | Qt::Key_E, kCommandEdit},
        {QKeyCombination(Qt::Key_F1), kCommandAbout}, {Qt::ALT | Qt::Key_F4, kCommandExit},
    };
    for (const Accelerator& accelerator : accelerators) {
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(accelerator.key));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setData(accelerator.command);
        connect(action, &QAction::triggered, this, [this, command = accelerator.command] { Dispatch(command); });
        addAction(action);
    }
}

void MainWindow::RebuildMenu() {
    FillPopupMenu();
    RestartSimulator();
}

void MainWindow::FillPopupMenu() {
    if (!popup_) {
        popup_ = new QMenu(this);
        popup_->setObjectName(QStringLiteral("PopMenu8300"));
        // Queued: a command may rebuild this very menu, which must not happen
        // while the menu is still delivering the click.
        connect(popup_, &QMenu::triggered, this, [this](QAction* action) {
            QTimer::singleShot(0, this, [this, command = action->data().toInt()] { Dispatch(command); });
        });
    }
    popup_->clear();
    for (const MenuEntry& entry : PopupMenuEntries(session_.Texts(), session_.RecentMenuTexts())) {
        if (entry.IsSeparator()) {
            popup_->addSeparator();
            continue;
        }
        QAction* action =
            popup_->addAction(entry.nativeText ? qtui::FromNativePath(entry.text) : qtui::FromCp1251(entry.text));
        action->setData(entry.command);
    }
}

void MainWindow::ShowPopupMenu(QPoint globalPosition) { popup_->popup(globalPosition); }

void MainWindow::Dispatch(int command) {
    switch (command) {
        case kCommandNew: session_.New(); return;
        case kCommandOpen: session_.Open(); return;
        case kCommandSave: session_.Save(); return;
        case kCommandSaveAs: session_.SaveAs(); return;
        case kCommandExit: close(); return;
        case kCommandEdit: session_.Edit(); return;
        case kCommandPreferences: RunPreferences(); return;
        case kCommandAbout: RunAbout(); return;
        default: break;
    }
    if (transfers_) {
        switch (command) {
            case kCommandDownloadApplication: transfers_->DownloadApplication(); return;
            case kCommandDownloadLookup: transfers_->DownloadLookupFile(); return;
            case kCommandReceiveData: transfers_->ReceiveData(); return;
            default: break;
        }
    }
    if (command >= kCommandRecentFirst && command <= kCommandRecentLast) {
        session_.OpenRecent(command - kCommandRecentFirst);
    }
}

void MainWindow::RunPreferences() {
    PreferencesDialog dialog(session_, transfers_, this);
    if (dialog.exec() == QDialog::Accepted) {
        RebuildMenu();
    } else {
        // The dialog read the settings file again, and with it the recent
        // files: the menu's entries must name the files their ids now open.
        FillPopupMenu();
    }
    ApplyTopmost();
}

void MainWindow::RunAbout() {
    AboutBox box(this);
    box.exec();
}

void MainWindow::OpenPropertySheet() {
    if (propertySheetLauncher_) propertySheetLauncher_();
}

void MainWindow::RestartSimulator() {
    terminal_->RestartAtMainMenu();
}

void MainWindow::PlaceWindow() {
    move(kStartPosition);
    ApplyTopmost();
}

void MainWindow::ApplyTopmost() {
    const bool topmost = session_.CurrentPreferences().alwaysOnTop;
    const bool wasVisible = isVisible();
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != topmost) {
        setWindowFlag(Qt::WindowStaysOnTopHint, topmost);  // hides the window
    }
    // The client's size: the terminal may be zoomed.
    setFixedSize(terminal_->size());
    if (wasVisible) show();
}

void MainWindow::RecentFilesChanged() { FillPopupMenu(); }

void MainWindow::closeEvent(QCloseEvent* event) {
    if (session_.MayClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace shell
