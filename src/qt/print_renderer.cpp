#include "qt/print_renderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>

namespace kugel {
namespace {

constexpr double kMillimetresPerInch = 25.4;

}  // namespace

void preparePrinter(QPrinter& printer, const PrintJob& job) {
    printer.setDocName(QString::fromStdString(job.title));
    printer.setPageSize(QPageSize(QSizeF(job.pageWidth, job.pageHeight), QPageSize::Millimeter));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
}

bool renderPrintJob(const PrintJob& job, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;  // the printer refused; nothing to paint on
    const double perMm = printer.resolution() / kMillimetresPerInch;
    for (std::size_t p = 0; p < job.pages.size(); ++p) {
        if (p > 0) printer.newPage();
        const PrintPage& page = job.pages[p];
        for (const PrintRule& rule : page.rules) {
            QPen pen(Qt::black);
            pen.setWidthF(rule.width * perMm);
            painter.setPen(pen);
            painter.drawLine(QPointF(rule.x1 * perMm, rule.y * perMm),
                             QPointF(rule.x2 * perMm, rule.y * perMm));
        }
        painter.setPen(Qt::black);
        for (const PrintText& t : page.texts) {
            QFont font(QString::fromStdString(t.font.family));
            font.setPointSizeF(t.font.pointSize);
            font.setBold(t.font.bold);
            painter.setFont(font);
            const QFontMetricsF metrics(font, &printer);
            const QString text = QString::fromStdString(t.text);
            double x = t.x * perMm;
            if (t.align == PrintAlign::Right) x -= metrics.horizontalAdvance(text);
            painter.drawText(QPointF(x, t.top * perMm + metrics.ascent()), text);
        }
    }
    // A printer that fails on the way (a full spool, a file that cannot be
    // written) says so once the pages are done.
    return painter.end() && printer.printerState() != QPrinter::Error;
}

}  // namespace kugel
