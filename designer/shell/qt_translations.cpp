#include "designer/shell/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include "common/qt/qt_text.h"
#include "designer/strings/string_ids.h"

namespace shell {
namespace {

// Qt's translations come with the system's Qt (Debian: qt6-translations-l10n)
// or, in a Windows package, in "translations" beside the program.
std::unique_ptr<QTranslator> LoadQtTranslator(const QString& code) {
    auto translator = std::make_unique<QTranslator>();
    const QString name = QStringLiteral("qtbase_") + code;
    for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                  QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
        if (translator->load(name, folder)) return translator;
    }
    return nullptr;
}

}  // namespace

QtTranslations::~QtTranslations() {
    Remove();
    QLocale::setDefault(QLocale::system());
}

bool QtTranslations::Follow(const text::StringTable& strings) {
    Remove();
    const QString code = strings.LanguageLoaded() ? qtui::FromCp1251(strings.Direct(strings::id::kQtTranslationsCode))
                                                  : QString();
    // Dates and numbers in Qt's dialogs (a file's date) follow the language too.
    QLocale::setDefault(code.isEmpty() ? QLocale::system() : QLocale(code));
    if (code.isEmpty() || code == QLatin1String("en")) return false;
    translator_ = LoadQtTranslator(code);
    if (!translator_) return false;
    QCoreApplication::installTranslator(translator_.get());
    return true;
}

void QtTranslations::Remove() {
    if (!translator_) return;
    QCoreApplication::removeTranslator(translator_.get());
    translator_.reset();
}

}  // namespace shell
