#include <QProcess>

#include "common/qt/text_editor.h"

namespace qtui {

void OpenTextFileForReading(const QString& path) { QProcess::startDetached(QStringLiteral("notepad.exe"), {path}); }

}  // namespace qtui
