#include <QProcess>

#include "designer/shell/text_editor.h"

namespace shell {

void OpenTextFileForReading(const QString& path) { QProcess::startDetached(QStringLiteral("notepad.exe"), {path}); }

}  // namespace shell
