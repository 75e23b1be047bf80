#pragma once
// The crossing between the core's texts and Qt's: texts are Windows-1251
// bytes, paths are the system's native bytes.
#include <QString>
#include <string>

namespace qtui {

// Windows-1251 to a QString; the CR LF line ends of message texts become LF.
QString FromCp1251(const std::string& text);
std::string ToCp1251(const QString& text);

QString FromNativePath(const std::string& path);
std::string ToNativePath(const QString& path);

}  // namespace qtui
