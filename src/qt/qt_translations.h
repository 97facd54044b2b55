#pragma once

#include <QString>

namespace kugel {

// Makes Qt's own texts (standard buttons, file dialogs, ...) speak the
// language of a locale name ("de", "pt_PT", "zh_CN") and makes it the
// widgets' locale, so the month and day names of the date pickers match.
// Where Qt has no translation for the locale's country it takes another
// country's of the same language (Portuguese comes as pt_BR only); where it
// has none for the language at all (English, Hindi) its built-in English
// stays. Returns whether a translation was loaded. A later call replaces the
// earlier language.
bool loadQtTranslations(const QString& locale);

}  // namespace kugel
