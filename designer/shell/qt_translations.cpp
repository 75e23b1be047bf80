#include "designer/shell/qt_translations.h"

#include <QCoreApplication>
#include <QLocale>

#include "common/qt/qt_text.h"
#include "common/qt/qt_translator.h"
#include "designer/strings/string_ids.h"

namespace shell {

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
    translator_ = qtui::LoadQtTranslator(code);
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
