#include "qt/qt_translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

namespace kugel {
namespace {

const QString kCatalogue = QStringLiteral("qtbase");

bool loadCatalogue(QTranslator& translator, const QLocale& locale) {
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator.load(locale, kCatalogue, QStringLiteral("_"), dir)) return true;
    // Another country's translation of the same language.
    const QString language = locale.name().section(QLatin1Char('_'), 0, 0);
    const QStringList others =
        QDir(dir).entryList({kCatalogue + QLatin1Char('_') + language + QStringLiteral("_*.qm")},
                            QDir::Files, QDir::Name);
    return !others.isEmpty() && translator.load(others.first(), dir);
}

}  // namespace

bool loadQtTranslations(const QString& locale) {
    static QTranslator* installed = nullptr;
    const QLocale chosen(locale);
    auto* translator = new QTranslator(QCoreApplication::instance());
    const bool loaded = loadCatalogue(*translator, chosen);
    // The earlier language goes either way: a language Qt has no
    // translation for gets Qt's English rather than the language before.
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    if (loaded) {
        QCoreApplication::installTranslator(translator);
        installed = translator;
    } else {
        delete translator;
    }
    QLocale::setDefault(chosen);
    // The default reaches only widgets made from now on; the open windows
    // (the date pickers' calendar pop-ups among them) are told, and their
    // children follow.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        for (QWidget* w : QApplication::allWidgets())
            if (w->isWindow()) w->setLocale(chosen);
    return loaded;
}

}  // namespace kugel
