#pragma once
// Qt's own texts (the standard buttons of message boxes and dialog button
// boxes, the file dialogs) and its dates in the designer's language. A language file names
// the code of Qt's translations for it in entry 1240 ("ru"); the built-in
// English needs none.
#include <memory>

#include <QTranslator>

#include "common/text/string_table.h"

namespace shell {

class QtTranslations {
public:
    QtTranslations() = default;
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Installs Qt's translations for the language `strings` now speaks, in
    // place of those installed before. Returns whether any were found.
    bool Follow(const text::StringTable& strings);

private:
    void Remove();

    std::unique_ptr<QTranslator> translator_;
};

}  // namespace shell
