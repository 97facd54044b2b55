#pragma once

#include <QString>

namespace kugel {

// Loads Qt's own translations (standard buttons, file dialogs, ...) for a
// language ("de") and makes it the widgets' locale, so the month and day
// names of the date pickers match; returns false when Qt has no
// translation for it. A later call replaces the earlier language.
bool loadQtTranslations(const QString& language);

}  // namespace kugel
