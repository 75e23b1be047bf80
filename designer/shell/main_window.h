#pragma once
// The designer's main window: borderless, the size of the terminal picture,
// its only child the "Client", the simulator's terminal window. Commands come
// from the pop-up menu and the accelerators and go to the session. The
// window stays wholly on its screen, remembers its place and zoom between
// runs, names the task in its title and opens a task file dropped on it.
#include <functional>
#include <string>

#include <QWidget>

#include "designer/shell/designer_session.h"
#include "designer/shell/qt_translations.h"
#include "designer/shell/session_host.h"
#include "designer/shell/transfer_commands.h"

class QMenu;

namespace simulator {
class Engine;
class TerminalWindow;
}  // namespace simulator

namespace shell {

class TransientNote;

class MainWindow final : public QWidget, public SessionHost {
    Q_OBJECT
public:
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 459;

    // The session and the engine must outlive the window, whose client is
    // the terminal window that runs `engine`.
    MainWindow(DesignerSession& session, simulator::Engine& engine, QWidget* parent = nullptr);
    ~MainWindow() override;

    simulator::TerminalWindow& Terminal() const { return *terminal_; }

    // Runs in place of the task property sheet, which the editors provide.
    void SetPropertySheetLauncher(std::function<void()> launcher) { propertySheetLauncher_ = std::move(launcher); }

    // The transfers run by Download Application, Download Lookup File and
    // Receive Data; without them those commands do nothing.
    void SetTransferCommands(TransferCommands* transfers) { transfers_ = transfers; }

    QMenu* PopupMenu() const { return popup_; }

    // Rebuilds the pop-up menu in the current language and restarts the simulator.
    void RebuildMenu();

    void Dispatch(int command);
    void ShowPopupMenu(QPoint globalPosition);

    // Opens a task file named on the command line or dropped on the window.
    void OpenFile(const std::string& path);

    // Cuts the window to the terminal's outline, for desktops that cannot
    // draw it translucent; the window asks the platform when it is made.
    void CutToOutline(bool cut);

    // SessionHost
    void OpenPropertySheet() override;
    void RestartSimulator() override;
    void PlaceWindow() override;
    void RecentFilesChanged() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void RunCommand(int command);
    // Topmost or not as the preferences say, at the current position.
    void ApplyTopmost();
    void AddAccelerators();
    void FillPopupMenu();
    void RunPreferences();
    void RunAbout();
    // The terminal changed its size: the window takes it and stays on its screen.
    void FollowTerminal();
    void KeepOnScreen();
    // The task's file name, and a marker while it has unsaved changes.
    void RefreshTitle();
    void ConfirmSave();
    void RememberPlace();

    DesignerSession& session_;
    simulator::TerminalWindow* terminal_ = nullptr;
    QMenu* popup_ = nullptr;
    TransientNote* note_ = nullptr;
    std::function<void()> propertySheetLauncher_;
    TransferCommands* transfers_ = nullptr;
    QtTranslations translations_;
    bool cutToOutline_ = false;
};

}  // namespace shell
