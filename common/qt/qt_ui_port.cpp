#include "common/qt/qt_ui_port.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "common/qt/progress_dialog.h"
#include "common/qt/qt_text.h"
#include "common/qt/text_editor.h"
#include "common/qt/text_room.h"
#include "common/qt/upload_counter_widget.h"

namespace qtui {
namespace {

QMessageBox::Icon ToQtIcon(common::MessageIcon icon) {
    switch (icon) {
        case common::MessageIcon::None: return QMessageBox::NoIcon;
        case common::MessageIcon::Information: return QMessageBox::Information;
        case common::MessageIcon::Warning: return QMessageBox::Warning;
        case common::MessageIcon::Error: return QMessageBox::Critical;
        case common::MessageIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton RunBox(QWidget* owner, const std::string& caption, const std::string& text,
                                   common::MessageIcon icon, QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton escape) {
    QMessageBox box(ToQtIcon(icon), FromCp1251(caption), FromCp1251(text), buttons, owner);
    box.setEscapeButton(escape);
    MakeRoomForTexts(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

common::Answer ToAnswer(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Yes: return common::Answer::Yes;
        case QMessageBox::No: return common::Answer::No;
        default: return common::Answer::Cancel;
    }
}

// "Quarrow Files (*.UZX)" already names its pattern as Qt expects; other
// descriptions get theirs appended so the dialog can filter by it.
QStringList NameFilters(const std::vector<common::FileFilter>& filters) {
    QStringList list;
    for (const auto& filter : filters) {
        const QString description = FromCp1251(filter.description);
        const QString pattern = FromCp1251(filter.pattern);
        list << (description.endsWith(QLatin1Char('(') + pattern + QLatin1Char(')'))
                     ? description
                     : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return list;
}

std::optional<std::string> RunFileDialog(QWidget* owner, const common::FileChooser& chooser,
                                         QFileDialog::AcceptMode mode) {
    QFileDialog dialog(owner, FromCp1251(chooser.title));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = NameFilters(chooser.filters);
    dialog.setNameFilters(filters);
    if (chooser.selectedFilter < static_cast<std::size_t>(filters.size())) {
        dialog.selectNameFilter(filters[static_cast<qsizetype>(chooser.selectedFilter)]);
    }
    if (!chooser.defaultExtension.empty()) dialog.setDefaultSuffix(QString::fromStdString(chooser.defaultExtension));
    if (!chooser.initialPath.empty()) dialog.selectFile(FromNativePath(chooser.initialPath));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return ToNativePath(dialog.selectedFiles().constFirst());
}

}  // namespace

void QtUiPort::ShowMessage(const std::string& caption, const std::string& text, common::MessageIcon icon) {
    RunBox(owner_, caption, text, icon, QMessageBox::Ok, QMessageBox::Ok);
}

common::Answer QtUiPort::AskYesNo(const std::string& caption, const std::string& text, common::MessageIcon icon) {
    const auto button = RunBox(owner_, caption, text, icon, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return button == QMessageBox::Yes ? common::Answer::Yes : common::Answer::No;
}

common::Answer QtUiPort::AskYesNoCancel(const std::string& caption, const std::string& text,
                                        common::MessageIcon icon) {
    return ToAnswer(RunBox(owner_, caption, text, icon, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                           QMessageBox::Cancel));
}

bool QtUiPort::AskOkCancel(const std::string& caption, const std::string& text, common::MessageIcon icon) {
    return RunBox(owner_, caption, text, icon, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

std::optional<std::string> QtUiPort::ChooseOpenFile(const common::FileChooser& chooser) {
    return RunFileDialog(owner_, chooser, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtUiPort::ChooseSaveFile(const common::FileChooser& chooser) {
    // The dialog asks before a chosen file is replaced.
    return RunFileDialog(owner_, chooser, QFileDialog::AcceptSave);
}

std::unique_ptr<common::ProgressWindow> QtUiPort::OpenProgress(const common::ProgressLook& look) {
    return std::make_unique<ProgressDialog>(owner_, look);
}

std::unique_ptr<common::UploadCounter> QtUiPort::OpenUploadCounter() { return std::make_unique<UploadCounterWidget>(); }

void QtUiPort::SetBusy(bool busy) {
    if (busy) {
        ++busyDepth_;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0) {
        --busyDepth_;
        QApplication::restoreOverrideCursor();
    }
}

bool QtUiPort::OpenInTextEditor(const std::string& path) { return OpenTextFileForReading(FromNativePath(path)); }

}  // namespace qtui
