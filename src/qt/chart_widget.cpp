#include "qt/chart_widget.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QEvent>
#include <QStackedBarSeries>
#include <QValueAxis>

#include "controls/chart.h"
#include "qt/qt_conversions.h"

namespace kugel {
namespace {

// A step of 1, 2 or 5 times a power of ten, never below 1 (the axes show
// whole numbers), that splits `span` into at most `count` parts.
double niceStep(double span, int count) {
    if (span <= 0) return 1;
    const double raw = span / count;
    if (raw <= 1) return 1;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (raw <= m * mag) return m * mag;
    return 10 * mag;
}

QString categoryText(const ChartPoint& pt) {
    if (!pt.label.empty()) return QString::fromStdString(pt.label);
    if (std::abs(pt.x - std::round(pt.x)) < 1e-9) return QString::number(std::llround(pt.x));
    return QString::number(pt.x, 'g', 6);
}

QColor barColor(const ChartPoint& pt, const ChartSeries& s) {
    return plainColor(pt.color).value_or(plainColor(s.color).value_or(Qt::darkGreen));
}

// The x axis: bars sit at 0..n-1; labelled are all of them when they fit, or
// every k-th x value (k = 2, 5, 10, ...) so that the labels never collide.
QCategoryAxis* makeCategoryAxis(const std::vector<const ChartPoint*>& points, const QFont& font,
                                int plotWidth) {
    auto* axis = new QCategoryAxis;
    axis->setLabelsFont(font);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setGridLineVisible(false);
    const int n = static_cast<int>(points.size());
    axis->setRange(-0.5, n - 0.5);

    const QFontMetrics fm(font);
    int widest = 0;
    for (const ChartPoint* pt : points)
        widest = std::max(widest, fm.horizontalAdvance(categoryText(*pt)));
    const double slot = static_cast<double>(std::max(plotWidth, 1)) / std::max(n, 1);
    const int every = static_cast<int>(niceStep((widest + fm.averageCharWidth() * 2) / slot, 1));
    for (int i = 0; i < n; ++i) {
        const ChartPoint& pt = *points[static_cast<std::size_t>(i)];
        // Thinned labels go to the round x values, where a reader looks.
        const bool roundX = std::abs(pt.x - std::round(pt.x)) < 1e-9 &&
                            std::llround(pt.x) % every == 0;
        if (every == 1 || (pt.label.empty() && roundX)) axis->append(categoryText(pt), i);
    }
    return axis;
}

}  // namespace

ChartWidget::ChartWidget(const Chart& chart, QWidget* parent)
    : QChartView(new QChart, parent), chart_(chart) {
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::StyledPanel);
    // The chart is only looked at; mouse input belongs to the control, so
    // the view (and whoever watches it) gets it instead of the scene.
    viewport()->setAttribute(Qt::WA_TransparentForMouseEvents);
    QChart* c = this->chart();
    c->legend()->hide();
    c->setBackgroundRoundness(0);
    c->setMargins(QMargins(2, 8, 8, 2));
    c->layout()->setContentsMargins(0, 0, 0, 0);
    c->setAnimationOptions(QChart::NoAnimation);
    chart_.owner().addObserver(this);
    refresh();
}

ChartWidget::~ChartWidget() {
    chart_.owner().removeObserver(this);
}

void ChartWidget::propertyChanged(Component& component, std::string_view property) {
    if (&component == &chart_ && property == "Chart") refresh();
}

void ChartWidget::changeEvent(QEvent* event) {
    QChartView::changeEvent(event);
    if (event->type() == QEvent::FontChange) refresh();
}

void ChartWidget::refresh() {
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }

    std::vector<const ChartSeries*> shown;
    for (const ChartSeries* s : {&chart_.Series1, &chart_.Series2})
        if (s->active && !s->points.empty()) shown.push_back(s);
    if (shown.empty()) return;  // an empty chart

    // The categories are the positions of the bars; with two series both
    // stand side by side at each position.
    const ChartSeries& first =
        *std::max_element(shown.begin(), shown.end(), [](const auto* a, const auto* b) {
            return a->points.size() < b->points.size();
        });
    std::vector<const ChartPoint*> categories;
    for (const ChartPoint& pt : first.points) categories.push_back(&pt);
    const auto n = static_cast<qsizetype>(categories.size());

    double lo = 0;
    double hi = 0;
    for (const ChartSeries* s : shown)
        for (const ChartPoint& pt : s->points) {
            lo = std::min(lo, pt.y);
            hi = std::max(hi, pt.y);
        }

    QAbstractBarSeries* bars = nullptr;
    if (shown.size() == 1) {
        // Per-bar colours: one set per colour, stacked, with each position's
        // value in the set of its colour and 0 in the others. Zero parts
        // carry no label: a value label only appears on the set whose bar
        // it is, see below.
        const ChartSeries& s = *shown.front();
        auto* stacked = new QStackedBarSeries;
        std::vector<QColor> colors;
        std::vector<QList<qreal>> values;
        for (qsizetype i = 0; i < n; ++i) {
            const ChartPoint& pt = s.points[static_cast<std::size_t>(i)];
            const QColor color = barColor(pt, s);
            auto it = std::find(colors.begin(), colors.end(), color);
            if (it == colors.end()) {
                colors.push_back(color);
                values.emplace_back(n, 0.0);
                it = colors.end() - 1;
            }
            values[static_cast<std::size_t>(it - colors.begin())][i] = pt.y;
        }
        for (std::size_t k = 0; k < colors.size(); ++k) {
            auto* set = new QBarSet(colors[k].name());
            set->setColor(colors[k]);
            set->setBorderColor(colors[k].darker(140));
            set->append(values[k]);
            stacked->append(set);
        }
        stacked->setBarWidth(0.7);
        stacked->setLabelsVisible(s.marks);
        bars = stacked;
    } else {
        // Two series side by side, each in its own colour.
        auto* grouped = new QBarSeries;
        for (const ChartSeries* s : shown) {
            auto* set = new QBarSet(QString());
            const QColor color = plainColor(s->color).value_or(Qt::darkGreen);
            set->setColor(color);
            set->setBorderColor(color.darker(140));
            for (qsizetype i = 0; i < n; ++i)
                set->append(static_cast<std::size_t>(i) < s->points.size()
                                ? s->points[static_cast<std::size_t>(i)].y
                                : 0.0);
            grouped->append(set);
        }
        grouped->setBarWidth(0.8);
        grouped->setLabelsVisible(shown.front()->marks || shown.back()->marks);
        bars = grouped;
    }
    bars->setLabelsFormat(QStringLiteral("@value"));
    bars->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    for (QBarSet* set : bars->barSets()) set->setLabelColor(palette().color(QPalette::Text));
    c->addSeries(bars);

    if (!chart_.LeftAxis.automatic) {
        lo = chart_.LeftAxis.minimum;
        hi = chart_.LeftAxis.maximum;
    }
    if (hi <= lo) hi = lo + 1;
    const double step = niceStep(hi - lo, 6);
    if (chart_.LeftAxis.automatic) {
        lo = std::floor(lo / step) * step;
        hi = std::ceil(hi / step) * step;
    }

    auto* valueAxis = new QValueAxis;
    valueAxis->setLabelsFont(font());
    valueAxis->setLabelFormat(QStringLiteral("%d"));
    valueAxis->setRange(lo, hi);
    valueAxis->setTickType(QValueAxis::TicksDynamic);
    valueAxis->setTickAnchor(0);
    valueAxis->setTickInterval(step);
    valueAxis->setMinorGridLineVisible(false);
    c->addAxis(valueAxis, Qt::AlignLeft);
    bars->attachAxis(valueAxis);

    const int plotWidth = static_cast<int>(c->plotArea().width()) > 0
                              ? static_cast<int>(c->plotArea().width())
                              : width() - 60;
    QCategoryAxis* categoryAxis = makeCategoryAxis(categories, font(), plotWidth);
    QFont titleFont = font();
    titleFont.setBold(false);
    categoryAxis->setTitleFont(titleFont);
    categoryAxis->setTitleText(QString::fromStdString(chart_.BottomAxis.title));
    c->addAxis(categoryAxis, Qt::AlignBottom);
    bars->attachAxis(categoryAxis);
}

}  // namespace kugel
