#include "qt/qt_platform.h"

#include <QElapsedTimer>

#include <chrono>

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QSoundEffect>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include "net/curl_http_client.h"
#include "qt/print_renderer.h"
#include "qt/qt_conversions.h"
#include "qt/qt_translations.h"

namespace kugel {
namespace {

// Dialogs belong to whatever window the user is looking at.
QWidget* dialogParent() {
    return QApplication::activeWindow();
}

bool looksLikeUrl(const QString& target) {
    const QUrl url(target);
    // A drive letter ("C:/...") parses as a one-letter scheme.
    return url.isValid() && url.scheme().size() > 1;
}

}  // namespace

QtPlatform::QtPlatform(std::string programDirectory)
    : programDirectory_(std::move(programDirectory)),
      settings_(QSettingsStore::programStore()),
      toolSettings_(QSettingsStore::automationToolStore()),
      locale_(localeInfoOf(QLocale::system())) {
    // The window speaks German until a language is applied, and stays so
    // when the start-up ends before that: the draw text's day names too.
    locale_.shortDayNames = localeInfoOf(QLocale(QStringLiteral("de"))).shortDayNames;
}

QtPlatform::~QtPlatform() {
    while (busyDepth_ > 0) setBusyCursor(false);
}

DialogResult QtPlatform::messageBox(const std::string& caption, const std::string& text,
                                    MessageButtons buttons, DialogResult defaultButton) {
    if (buttons == MessageButtons::YesNo) {
        const auto answer = QMessageBox::question(
            dialogParent(), qs(caption), qs(text), QMessageBox::Yes | QMessageBox::No,
            defaultButton == DialogResult::No ? QMessageBox::No : QMessageBox::Yes);
        return answer == QMessageBox::Yes ? DialogResult::Yes : DialogResult::No;
    }
    QMessageBox::information(dialogParent(), qs(caption), qs(text));
    return DialogResult::Ok;
}

std::optional<std::string> QtPlatform::inputBox(const std::string& caption,
                                                const std::string& prompt,
                                                const std::string& defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(dialogParent(), qs(caption), qs(prompt),
                                               QLineEdit::Normal, qs(defaultText), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

std::optional<std::string> QtPlatform::fileDialog(bool save, const std::string& filter,
                                                  const std::string& proposedFile,
                                                  const std::string& defaultExt) {
    QFileDialog dialog(dialogParent());
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QString filters = qtFileFilter(filter);
    if (!filters.isEmpty()) dialog.setNameFilter(filters);
    QString ext = qs(defaultExt);
    if (ext.startsWith(u'.')) ext.remove(0, 1);
    if (!ext.isEmpty()) dialog.setDefaultSuffix(ext);
    // A proposal without a directory opens in the program's directory, where
    // the program keeps its files, never in wherever it was started from.
    dialog.setDirectory(qs(programDirectory()));
    if (!proposedFile.empty()) {
        QFileInfo proposed(qs(proposedFile));
        if (proposed.isRelative())
            proposed = QFileInfo(QDir(qs(programDirectory())), qs(proposedFile));
        dialog.setDirectory(proposed.absolutePath());
        if (!proposed.fileName().isEmpty()) dialog.selectFile(proposed.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().first()).toStdString();
}

std::optional<std::string> QtPlatform::openFileDialog(const std::string& filter,
                                                      const std::string& proposedFile,
                                                      const std::string& defaultExt) {
    return fileDialog(false, filter, proposedFile, defaultExt);
}

std::optional<std::string> QtPlatform::saveFileDialog(const std::string& filter,
                                                      const std::string& proposedFile,
                                                      const std::string& defaultExt) {
    return fileDialog(true, filter, proposedFile, defaultExt);
}

DialogResult QtPlatform::showModal(Form& form) {
    // Before the view exists there is nothing to show; closing counts as Cancel.
    return modalShower_ ? modalShower_(form) : DialogResult::Cancel;
}

void QtPlatform::showWindow(Form& form) {
    if (windowShower_) windowShower_(form);
}

void QtPlatform::processEvents() {
    handlePendingEvents();
}

void handlePendingEvents() {
    // A long job hands control over thousands of times a second (an analysis
    // every round, a calculation every few milliseconds); handling the
    // window's events each time made the job spend its time painting. Every
    // 15 ms the window still repaints, takes input and sees a stop at once.
    constexpr qint64 kIntervalMs = 15;
    static QElapsedTimer sinceLast;
    if (sinceLast.isValid() && sinceLast.elapsed() < kIntervalMs) return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    sinceLast.start();
}

void QtPlatform::setBusyCursor(bool busy) {
    if (busy) {
        ++busyDepth_;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0) {
        --busyDepth_;
        QApplication::restoreOverrideCursor();
    }
}

bool QtPlatform::shellOpen(const std::string& target) {
    const QString t = qs(target);
    if (looksLikeUrl(t)) return QDesktopServices::openUrl(QUrl(t));
    const QString file = QFileInfo(t).absoluteFilePath();
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt hands a file to xdg-open and reports success once that has started,
    // even when xdg-open then finds no program for the file. Its answer is
    // waited for a moment: a program that keeps it waiting has the file open.
    auto* opener = new QProcess(QCoreApplication::instance());
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({file});
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    opener->start();
    if (opener->waitForStarted()) {
        constexpr int kAnswerWaitMs = 3000;
        if (!opener->waitForFinished(kAnswerWaitMs)) {
            QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
            return true;
        }
        const bool opened = opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
        opener->deleteLater();
        return opened;
    }
    opener->deleteLater();
#endif
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void QtPlatform::startProgram(const std::string& program, const std::string& parameters) {
    QProcess::startDetached(qs(program), QProcess::splitCommand(qs(parameters)));
}

void QtPlatform::playSoundAsync(const std::string& file) {
    // The sound ships beside the program, so a relative name is taken from
    // the program's directory rather than from wherever it was started.
    QFileInfo info(qs(file));
    if (info.isRelative()) info = QFileInfo(QDir(qs(programDirectory())), qs(file));
    if (!info.isFile()) return;
    auto* effect = new QSoundEffect(QCoreApplication::instance());
    QPointer<QSoundEffect> guard(effect);
    // The effect lives until it has played, failed, or a generous time ran out.
    QObject::connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
        if (!effect->isPlaying() && effect->status() == QSoundEffect::Ready) effect->deleteLater();
    });
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
        if (effect->status() == QSoundEffect::Error) effect->deleteLater();
    });
    QTimer::singleShot(std::chrono::minutes(2), QCoreApplication::instance(), [guard] {
        if (guard) guard->deleteLater();
    });
    effect->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    effect->play();
}

PrintResult QtPlatform::print(const PrintJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, job);
    // The preview's own print button leads to the printer dialog, where the
    // user picks a printer or saves the pages as a PDF file.
    QPrintPreviewDialog preview(&printer, dialogParent());
    preview.setWindowTitle(QString::fromStdString(job.title));
    // Large enough that the page reads without zooming in first.
    if (const QScreen* screen = preview.screen())
        preview.resize(screen->availableGeometry().size() * 0.8);
    // The preview paints the pages for the screen first; printing paints
    // them once more, last, for the printer.
    bool painted = false;
    QObject::connect(
        &preview, &QPrintPreviewDialog::paintRequested, &preview,
        [&job, &painted](QPrinter* target) { painted = renderPrintJob(job, *target); });
    if (preview.exec() != QDialog::Accepted) return PrintResult::Cancelled;
    return painted ? PrintResult::Printed : PrintResult::Failed;
}

HttpResponse QtPlatform::httpGet(const HttpRequest& request) {
    return curlHttpGet(request, [&request] {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return request.abandon && request.abandon();
    });
}

std::unique_ptr<HttpRequestQueue> QtPlatform::httpRequestQueue() {
    // A handful of requests in flight hides most of the round trips of a
    // long update without burdening the server.
    constexpr int kRequestsInFlight = 6;
    return curlRequestQueue(kRequestsInFlight, [] {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return false;  // each request says itself when it is given up
    });
}

SettingsStore& QtPlatform::settings() {
    return *settings_;
}

SettingsStore& QtPlatform::toolSettings() {
    return *toolSettings_;
}

double QtPlatform::today() {
    return dayOfDate(QDate::currentDate());
}

double QtPlatform::now() {
    const QDateTime t = QDateTime::currentDateTime();
    return dayOfDate(t.date()) + t.time().msecsSinceStartOfDay() / 86400000.0;
}

std::uint64_t QtPlatform::clockTicks() {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch() /
                                      std::chrono::nanoseconds(1));
}

void QtPlatform::sleepMs(int ms) {
    if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

void QtPlatform::languageChanged(const std::string& locale) {
    const QString name = QString::fromStdString(locale);
    loadQtTranslations(name);
    // The names of the days (the draw text's weekday) follow the language;
    // the date format and the decimal separator stay the user's own.
    locale_.shortDayNames = localeInfoOf(QLocale(name)).shortDayNames;
}

}  // namespace kugel
