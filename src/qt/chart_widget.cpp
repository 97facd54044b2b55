#include "qt/chart_widget.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QPainter>

#include "controls/chart.h"
#include "qt/qt_conversions.h"

namespace kugel {
namespace {

QString valueText(double v) {
    if (std::abs(v - std::round(v)) < 1e-9) return QString::number(std::llround(v));
    return QString::number(v, 'f', 1);
}

// A tick step of 1, 2 or 5 times a power of ten giving about `count` ticks.
double tickStep(double span, int count) {
    if (span <= 0) return 1;
    const double raw = span / count;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (raw <= m * mag) return m * mag;
    return 10 * mag;
}

}  // namespace

ChartWidget::ChartWidget(const Chart& chart, QWidget* parent) : QWidget(parent), chart_(chart) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    std::vector<const ChartSeries*> series;
    for (const ChartSeries* s : {&chart_.Series1, &chart_.Series2})
        if (s->active && !s->points.empty()) series.push_back(s);

    std::size_t count = 0;
    double lo = 0, hi = 0;
    for (const ChartSeries* s : series) {
        count = std::max(count, s->points.size());
        for (const ChartPoint& pt : s->points) {
            lo = std::min(lo, pt.y);
            hi = std::max(hi, pt.y);
        }
    }
    if (!chart_.LeftAxis.automatic) {
        lo = chart_.LeftAxis.minimum;
        hi = chart_.LeftAxis.maximum;
    } else if (hi > lo) {
        hi += (hi - lo) * 0.08;  // room for the marks
    }
    if (hi <= lo) hi = lo + 1;

    const QFontMetrics fm(font());
    const int lineH = fm.height();
    const double step = tickStep(hi - lo, 6);
    int axisW = 0;
    for (double v = std::ceil(lo / step) * step; v <= hi + step * 1e-6; v += step)
        axisW = std::max(axisW, fm.horizontalAdvance(valueText(v)));
    const bool titled = !chart_.BottomAxis.title.empty();
    const QRect plot(axisW + 12, lineH / 2 + 4, width() - axisW - 20,
                     height() - lineH / 2 - 4 - lineH - 8 - (titled ? lineH + 2 : 0));
    if (plot.width() < 10 || plot.height() < 10) return;

    auto yOf = [&](double v) {
        const double c = std::clamp(v, lo, hi);
        return plot.bottom() - (c - lo) / (hi - lo) * plot.height();
    };

    // Grid and value axis.
    for (double v = std::ceil(lo / step) * step; v <= hi + step * 1e-6; v += step) {
        const int y = static_cast<int>(std::lround(yOf(v)));
        p.setPen(QColor(225, 225, 225));
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(2, y - lineH / 2, axisW + 6, lineH), Qt::AlignRight | Qt::AlignVCenter,
                   valueText(v));
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());

    if (count > 0) {
        const double slot = static_cast<double>(plot.width()) / static_cast<double>(count);
        const double barW = std::max(1.0, slot * 0.7 / static_cast<double>(series.size()));
        const double baseY = yOf(std::max(lo, 0.0));
        for (std::size_t si = 0; si < series.size(); ++si) {
            const ChartSeries& s = *series[si];
            for (std::size_t i = 0; i < s.points.size(); ++i) {
                const ChartPoint& pt = s.points[i];
                const double x = plot.left() + slot * static_cast<double>(i) + slot * 0.15 +
                                 barW * static_cast<double>(si);
                const double top = yOf(pt.y);
                const QRectF bar(x, std::min(top, baseY), barW, std::abs(baseY - top));
                const QColor fill =
                    plainColor(pt.color).value_or(plainColor(s.color).value_or(Qt::darkGreen));
                p.fillRect(bar, fill);
                p.setPen(fill.darker(150));
                p.drawRect(bar);
                if (s.marks) {
                    p.setPen(palette().color(QPalette::WindowText));
                    const QRectF markRect(x + barW / 2 - 30, bar.top() - lineH - 1, 60, lineH);
                    p.drawText(markRect, Qt::AlignHCenter | Qt::AlignBottom, valueText(pt.y));
                }
            }
        }
        // Category labels: the point's label, otherwise its x value; thinned
        // out where they would collide.
        const ChartSeries& first = *series.front();
        int widest = 0;
        for (const ChartPoint& pt : first.points)
            widest = std::max(
                widest, fm.horizontalAdvance(pt.label.empty() ? valueText(pt.x)
                                                              : QString::fromStdString(pt.label)));
        const int every = std::max(1, static_cast<int>(std::ceil((widest + 4) / slot)));
        p.setPen(palette().color(QPalette::WindowText));
        for (std::size_t i = 0; i < first.points.size(); i += static_cast<std::size_t>(every)) {
            const ChartPoint& pt = first.points[i];
            const QString text =
                pt.label.empty() ? valueText(pt.x) : QString::fromStdString(pt.label);
            const double cx = plot.left() + slot * (static_cast<double>(i) + 0.5);
            p.drawText(QRectF(cx - slot * every / 2.0, plot.bottom() + 3, slot * every, lineH),
                       Qt::AlignHCenter | Qt::AlignTop, text);
        }
    }
    if (titled)
        p.drawText(QRect(plot.left(), plot.bottom() + lineH + 6, plot.width(), lineH),
                   Qt::AlignHCenter, QString::fromStdString(chart_.BottomAxis.title));
}

}  // namespace kugel
