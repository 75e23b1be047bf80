#include "common/qt/qt_text.h"

#include <QFile>

#include "common/cp1251.h"

namespace qtui {

QString FromCp1251(const std::string& text) {
    QString converted = QString::fromStdString(common::Cp1251ToUtf8(text));
    converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return converted;
}

std::string ToCp1251(const QString& text) { return common::Utf8ToCp1251(text.toStdString()); }

QString FromNativePath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string ToNativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace qtui
