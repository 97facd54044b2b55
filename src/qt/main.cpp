#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>

#include <QTimer>
#include <exception>
#include <string_view>

#include "model/main_window.h"
#include "qtcore/program_home.h"
#include "qt/program_view.h"
#include "qt/qt_platform.h"
#include "qt/qt_translations.h"
#include "shell/application.h"

namespace {

struct CommandLine {
    QCommandLineOption home{
        QStringLiteral("home"),
        QStringLiteral("Program directory with Powerball.dat, land/ and Script/ "
                       "(default: the executable's directory, or the user's "
                       "data directory when the program is installed)."),
        QStringLiteral("DIR")};
    QCommandLineOption server{QStringLiteral("server"),
                              QStringLiteral("Results server address for this run (not saved)."),
                              QStringLiteral("URL")};
    QCommandLineOption page{
        QStringLiteral("page"),
        QStringLiteral("Debugging aid: show this page (e.g. TabSheet4, TabSheet9) after start."),
        QStringLiteral("NAME")};
    QCommandLineOption dialog{
        QStringLiteral("dialog"),
        QStringLiteral("Debugging aid: open this dialog form (e.g. Form3) after start."),
        QStringLiteral("FORM")};
    QCommandLineParser parser;

    CommandLine() {
        parser.setApplicationDescription(QStringLiteral("Kugelmeister for PowerBall Australia"));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOptions({home, server, page, dialog});
    }
};

// Help and version are text for a terminal: they must not need a display.
bool asksForTextOnly(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h" || arg == "-?" || arg == "--help-all" ||
            arg == "--version" || arg == "-v")
            return true;
    }
    return false;
}

void describeApplication() {
    QCoreApplication::setApplicationName(QString::fromUtf8(kugel::kApplicationTitle));
    QCoreApplication::setApplicationVersion(QStringLiteral(KUGEL_VERSION));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (asksForTextOnly(argc, argv)) {
        QCoreApplication core(argc, argv);
        describeApplication();
        CommandLine commandLine;
        commandLine.parser.process(core);  // prints and ends the program
        return 0;
    }
    QApplication qapp(argc, argv);
    describeApplication();
    // The window speaks German; Qt's own dialogs and buttons must too.
    kugel::loadQtTranslations(QStringLiteral("de"));

    CommandLine commandLine;
    QCommandLineParser& parser = commandLine.parser;
    const QCommandLineOption& homeOption = commandLine.home;
    const QCommandLineOption& serverOption = commandLine.server;
    const QCommandLineOption& pageOption = commandLine.page;
    const QCommandLineOption& dialogOption = commandLine.dialog;
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
    platform.setWindowShower([&view](kugel::Form& form) { view.showWindow(form); });

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
