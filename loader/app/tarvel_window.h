#pragma once
// Tarvel's main form: the picture, a separator and the tab control 1023 with
// the load page and the convert page, each made when first shown. Escape, the
// window's close button and the pages' Exit buttons all end in the form's
// Close routine; F1 opens the help beside the program.
#include <array>
#include <functional>
#include <string>

#include <QDialog>

#include "loader/pages/tarvel_form.h"

class QTabWidget;

namespace tarvel {

class PageView;

class TarvelWindow final : public QDialog {
public:
    // Opens a file with the desktop's program for it; false when none could.
    using Opener = std::function<bool(const QString& path)>;

    TarvelWindow(loader::pages::TarvelForm& form, std::string programFolder, QWidget* parent = nullptr);
    ~TarvelWindow() override;

    // How F1 opens the help; the desktop's opener unless replaced.
    void SetHelpOpener(Opener opener) { openHelp_ = std::move(opener); }

    // Escape and the close button run the Close routine.
    void reject() override;

private:
    void ShowTab(int tab);
    void OpenHelp();

    loader::pages::TarvelForm& form_;
    std::string programFolder_;
    QTabWidget* tabs_;
    std::array<PageView*, 2> views_{};
    Opener openHelp_;
};

}  // namespace tarvel
