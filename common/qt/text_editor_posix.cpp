#include <QDesktopServices>
#include <QUrl>

#include "common/qt/text_editor.h"

namespace qtui {

void OpenTextFileForReading(const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

}  // namespace qtui
