#include <QDesktopServices>
#include <QUrl>

#include "common/qt/text_editor.h"

namespace qtui {

bool OpenTextFileForReading(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

}  // namespace qtui
