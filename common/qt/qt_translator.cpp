#include "common/qt/qt_translator.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace qtui {

std::unique_ptr<QTranslator> LoadQtTranslator(const QString& code) {
    auto translator = std::make_unique<QTranslator>();
    const QString name = QStringLiteral("qtbase_") + code;
    for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                  QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
        if (translator->load(name, folder)) return translator;
    }
    return nullptr;
}

}  // namespace qtui
