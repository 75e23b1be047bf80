#include "designer/shell/main_window.h"

#include <cmath>
#include <filesystem>

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "common/qt/qt_text.h"
#include "common/qt/screen_area.h"
#include "designer/shell/about_box.h"
#include "designer/shell/commands.h"
#include "designer/shell/popup_menu.h"
#include "designer/shell/preferences_dialog.h"
#include "designer/shell/transient_note.h"
#include "designer/shell/window_place.h"
#include "designer/shell/window_settings.h"
#include "designer/shell/window_translucency.h"
#include "designer/simulator/qt/terminal_window.h"
#include "designer/strings/string_ids.h"

namespace shell {
namespace {

// Where a first run puts the window.
constexpr QPoint kStartPosition(300, 50);

struct Accelerator {
    QKeyCombination key;
    int command;
};

// The one local file a drag carries; empty for anything else.
QString DraggedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

}  // namespace

MainWindow::MainWindow(DesignerSession& session, simulator::Engine& engine, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), session_(session) {
    setObjectName(QStringLiteral("Mostrel"));
    // The drawn terminal has rounded corners; the desktop shows through them.
    setAttribute(Qt::WA_TranslucentBackground);
    setAcceptDrops(true);
    setFixedSize(kWidth, kHeight);
    setWindowFlag(Qt::WindowStaysOnTopHint, session_.CurrentPreferences().alwaysOnTop);
    session_.SetHost(this);
    translations_.Follow(session_.Texts());
    AddAccelerators();

    terminal_ = new simulator::TerminalWindow(engine, this);
    terminal_->setProperty("controlId", 100);
    terminal_->move(0, 0);
    connect(terminal_, &simulator::TerminalWindow::popupRequested, this, &MainWindow::ShowPopupMenu);
    connect(terminal_, &simulator::TerminalWindow::newTaskRequested, this, [this] { Dispatch(kCommandNew); });
    connect(terminal_, &simulator::TerminalWindow::zoomChanged, this, &MainWindow::FollowTerminal);
    note_ = new TransientNote(this);

    const WindowSettings remembered = ReadWindowSettings(WindowSettingsPath());
    move(remembered.place ? QPoint(remembered.place->x, remembered.place->y) : kStartPosition);
    terminal_->setZoom(remembered.zoomPercent / 100.0);
    KeepOnScreen();
    CutToOutline(!PlatformDrawsTranslucentWindows());
    RebuildMenu();
    RefreshTitle();
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
    RunCommand(command);
    // Any command may have named, changed or saved the task.
    RefreshTitle();
}

void MainWindow::RunCommand(int command) {
    switch (command) {
        case kCommandNew: session_.New(); return;
        case kCommandOpen: session_.Open(); return;
        case kCommandSave:
            if (session_.Save()) ConfirmSave();
            return;
        case kCommandSaveAs:
            if (session_.SaveAs()) ConfirmSave();
            return;
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

void MainWindow::OpenFile(const std::string& path) {
    session_.OpenFile(path);
    RefreshTitle();
}

void MainWindow::RunPreferences() {
    PreferencesDialog dialog(session_, transfers_, this);
    if (dialog.exec() == QDialog::Accepted) {
        translations_.Follow(session_.Texts());
        RebuildMenu();
    } else {
        // The dialog read the settings file again, and with it the recent
        // files: the menu's entries must name the files their ids now open.
        FillPopupMenu();
    }
    ApplyTopmost();
}

void MainWindow::RunAbout() {
    AboutBox box(session_.Texts(), this);
    box.exec();
}

void MainWindow::OpenPropertySheet() {
    if (propertySheetLauncher_) propertySheetLauncher_();
}

void MainWindow::RestartSimulator() { terminal_->RestartAtMainMenu(); }

// The window stays where the user put it; Open only makes sure it is still
// wholly on a screen and topmost as the preferences say.
void MainWindow::PlaceWindow() {
    KeepOnScreen();
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

void MainWindow::FollowTerminal() {
    setFixedSize(terminal_->size());
    KeepOnScreen();
    CutToOutline(cutToOutline_);
}

void MainWindow::KeepOnScreen() {
    const QRect area = qtui::AvailableAreaOf(*this);
    if (area.isEmpty()) return;
    const WindowCorner corner =
        KeepInside({x(), y()}, width(), height(), {area.x(), area.y(), area.width(), area.height()});
    move(corner.x, corner.y);
}

void MainWindow::CutToOutline(bool cut) {
    cutToOutline_ = cut;
    if (cut) {
        setMask(terminal_->PictureOutline());
    } else {
        clearMask();
    }
}

void MainWindow::RefreshTitle() {
    const task::Task& task = session_.CurrentTask();
    const QString name =
        task.currentPath.empty()
            ? qtui::FromCp1251(session_.Texts().Direct(strings::id::kNewFileName))
            : qtui::FromNativePath(std::filesystem::path(task.currentPath).filename().string());
    // "[*]" is where Qt shows its modified marker.
    setWindowTitle(name + QStringLiteral("[*] - ") + qtui::FromCp1251(session_.Texts().Direct(strings::id::kProductName)));
    setWindowModified(task.modified);
}

void MainWindow::ConfirmSave() {
    const std::string& path = session_.CurrentTask().currentPath;
    note_->ShowFor(qtui::FromCp1251(session_.Texts().Direct(strings::id::kSavedNote)) + QLatin1Char(' ') +
                   qtui::FromNativePath(std::filesystem::path(path).filename().string()));
}

void MainWindow::RecentFilesChanged() { FillPopupMenu(); }

void MainWindow::RememberPlace() {
    WindowSettings settings;
    settings.zoomPercent = static_cast<int>(std::lround(terminal_->zoom() * 100));
    settings.place = WindowSettings::Place{x(), y()};
    WriteWindowSettings(WindowSettingsPath(), settings);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!session_.MayClose()) {
        event->ignore();
        RefreshTitle();  // a save from the prompt may have failed or succeeded
        return;
    }
    RememberPlace();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DraggedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString file = DraggedFile(event->mimeData());
    if (file.isEmpty()) return;
    event->acceptProposedAction();
    // Opened once the drop is over: a question or a message must not keep
    // the program the file came from waiting.
    QTimer::singleShot(0, this, [this, path = qtui::ToNativePath(file)] { OpenFile(path); });
}

}  // namespace shell
