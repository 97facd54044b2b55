#include <gtest/gtest.h>

#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include "output/ticket_listing.h"
#include "output/ticket_print.h"
#include "qt/print_renderer.h"

namespace kugel {
namespace {

PrintJob sampleJob() {
    TicketListing listing;
    listing.date = 43213;  // 2018-04-23
    listing.heading = "Quandors Lotto-Tipp für  04/23/18";
    listing.rows = {{1, {8, 16, 19, 25, 26, 29}, 5}, {3, {1, 2, 3, 4, 5, 40}, 20}};
    return ticketPrintJob(listing);
}

// The preview the desktop shows paints the job as one page, and what its
// print button sends to a PDF file reads back with the ticket's rows.
TEST(PrintPreview, RendersThePageAndPrintsTheRowsToPdf) {
    const PrintJob job = sampleJob();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("ticket.pdf"));

    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, job);
    QPrintPreviewWidget preview(&printer);
    int painted = 0;
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, [&](QPrinter* target) {
        ++painted;
        renderPrintJob(job, *target);
    });
    preview.updatePreview();
    EXPECT_GE(painted, 1);
    EXPECT_EQ(preview.pageCount(), 1);

    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    preview.print();

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(20000)) << "pdftotext (poppler-utils) is needed";
    ASSERT_EQ(text.exitCode(), 0);
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QStringLiteral("Quandors Lotto-Tipp für"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("PowerBall"))) << out.toStdString();
    // Each row on a line of its own: its number, the six numbers, the Powerball.
    const QStringList lines = out.split(u'\n');
    auto hasRow = [&lines](const QStringList& fields) {
        for (const QString& line : lines)
            if (line.simplified().split(u' ') == fields) return true;
        return false;
    };
    EXPECT_TRUE(hasRow({"1.", "8", "16", "19", "25", "26", "29", "5"})) << out.toStdString();
    EXPECT_TRUE(hasRow({"3.", "1", "2", "3", "4", "5", "40", "20"})) << out.toStdString();
}

// Pages the printer does not take are reported, not taken for printed: a PDF
// in a folder that does not exist stands for a printer that refuses.
TEST(PrintPreview, APrinterThatRefusesThePagesIsReported) {
    const PrintJob job = sampleJob();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        QString file;
        bool printed;
    };
    const Case cases[] = {{dir.filePath(QStringLiteral("ticket.pdf")), true},
                          {dir.filePath(QStringLiteral("missing/ticket.pdf")), false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        QPrinter printer(QPrinter::HighResolution);
        preparePrinter(printer, job);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(c.file);
        EXPECT_EQ(renderPrintJob(job, printer), c.printed);
    }
}

}  // namespace
}  // namespace kugel
