#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>

#include <QTimer>
#include <exception>

#include "model/main_window.h"
#include "qt/program_home.h"
#include "qt/program_view.h"
#include "qt/qt_platform.h"
#include "qt/qt_translations.h"
#include "shell/application.h"

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kugel::kApplicationTitle));
    // The window speaks German; Qt's own dialogs and buttons must too.
    kugel::loadQtTranslations(QStringLiteral("de"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Kugelmeister for PowerBall Australia"));
    parser.addHelpOption();
    const QCommandLineOption homeOption(
        QStringLiteral("home"),
        QStringLiteral("Program directory with Powerball.dat, land/ and Script/ "
                       "(default: the executable's directory, or the user's data directory "
                       "when the program is installed)."),
        QStringLiteral("DIR"));
    const QCommandLineOption serverOption(
        QStringLiteral("server"),
        QStringLiteral("Results server address for this run (not saved)."), QStringLiteral("URL"));
    const QCommandLineOption pageOption(
        QStringLiteral("page"),
        QStringLiteral("Debugging aid: show this page (e.g. TabSheet4, TabSheet9) after start."),
        QStringLiteral("NAME"));
    const QCommandLineOption dialogOption(
        QStringLiteral("dialog"),
        QStringLiteral("Debugging aid: open this dialog form (e.g. Form3) after start."),
        QStringLiteral("FORM"));
    parser.addOptions({homeOption, serverOption, pageOption, dialogOption});
    parser.process(qapp);

    QString home = parser.value(homeOption);
    if (!parser.isSet(homeOption)) {
        try {
            home = QString::fromStdString(kugel::programHome());
        } catch (const std::exception& e) {
            QMessageBox::critical(nullptr, QString::fromUtf8(kugel::kApplicationTitle),
                                  QString::fromLocal8Bit(e.what()));
            return 1;
        }
    }
    kugel::QtPlatform platform(QDir(home).absolutePath().toStdString());
    kugel::Application app(platform);
    kugel::ProgramView view(app);
    platform.setModalShower([&view](kugel::Form& form) { return view.showModal(form); });

    // Used instead of the stored address for this run; never saved.
    if (parser.isSet(serverOption))
        app.form1().serverOverride = parser.value(serverOption).toStdString();

    if (!view.start()) return 0;

    if (parser.isSet(pageOption)) {
        const std::string page = parser.value(pageOption).toStdString();
        // The page and every page control above it become active.
        for (auto* c = app.form1().find(page); c && c->parent(); c = c->parent()) {
            if (auto* pc = dynamic_cast<kugel::PageControl*>(c->parent()))
                pc->setActivePage(static_cast<kugel::TabSheet*>(c));
        }
    }
    if (parser.isSet(dialogOption)) {
        if (kugel::Form* form = app.form(parser.value(dialogOption).toStdString()))
            QTimer::singleShot(0, &qapp, [&app, form] { app.showModal(*form); });
    }
    return qapp.exec();
}
