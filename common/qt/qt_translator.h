#pragma once
// Qt's own texts (the standard buttons of message boxes, the file dialogs)
// in a language: the translations that come with the system's Qt (Debian:
// qt6-translations-l10n) or, in a Windows package, in "translations" beside
// the program.
#include <memory>

#include <QString>
#include <QTranslator>

namespace qtui {

// Qt's translator for the language `code` ("ru"); null when none is found.
std::unique_ptr<QTranslator> LoadQtTranslator(const QString& code);

}  // namespace qtui
