#include "qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kugel {

bool loadQtTranslations(const QString& language) {
    static QTranslator* installed = nullptr;
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QLocale locale(language);
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    QLocale::setDefault(locale);
    return true;
}

}  // namespace kugel
