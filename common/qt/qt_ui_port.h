#pragma once
// The UI port with real dialogs: message boxes, file dialogs, the modeless
// progress window, the upload counter, the busy cursor and the text editor.
#include <QPointer>
#include <QWidget>

#include "common/ui_port.h"

namespace qtui {

class QtUiPort final : public common::UiPort {
public:
    // Message boxes and dialogs are owned by `owner` (may be null).
    explicit QtUiPort(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }

    void ShowMessage(const std::string& caption, const std::string& text, common::MessageIcon icon) override;
    common::Answer AskYesNo(const std::string& caption, const std::string& text, common::MessageIcon icon) override;
    common::Answer AskYesNoCancel(const std::string& caption, const std::string& text,
                                  common::MessageIcon icon) override;
    bool AskOkCancel(const std::string& caption, const std::string& text, common::MessageIcon icon) override;
    std::optional<std::string> ChooseOpenFile(const common::FileChooser& chooser) override;
    std::optional<std::string> ChooseSaveFile(const common::FileChooser& chooser) override;
    std::unique_ptr<common::ProgressWindow> OpenProgress(const common::ProgressLook& look) override;
    std::unique_ptr<common::UploadCounter> OpenUploadCounter() override;
    void SetBusy(bool busy) override;
    bool OpenInTextEditor(const std::string& path) override;

private:
    QPointer<QWidget> owner_;
    int busyDepth_ = 0;
};

}  // namespace qtui
