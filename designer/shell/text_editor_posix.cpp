#include <QDesktopServices>
#include <QUrl>

#include "designer/shell/text_editor.h"

namespace shell {

void OpenTextFileForReading(const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

}  // namespace shell
