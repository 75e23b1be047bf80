#include <QProcess>

#include "common/qt/text_editor.h"

namespace qtui {

bool OpenTextFileForReading(const QString& path) {
    return QProcess::startDetached(QStringLiteral("notepad.exe"), {path});
}

}  // namespace qtui
