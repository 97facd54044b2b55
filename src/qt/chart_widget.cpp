#include "qt/chart_widget.h"

#include <QApplication>
#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <vector>

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QEvent>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QPen>
#include <QStackedBarSeries>
#include <QValueAxis>

#include "controls/chart.h"
#include "controls/property_names.h"
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

// The share of a position the bars take, alone or side by side.
constexpr double kStackedWidth = 0.7;
constexpr double kGroupedWidth = 0.8;

// The series with points to show, the first before the second.
std::vector<const ChartSeries*> shownSeries(const Chart& chart) {
    std::vector<const ChartSeries*> shown;
    for (const ChartSeries* s : {&chart.Series1, &chart.Series2})
        if (s->active && !s->points.empty()) shown.push_back(s);
    return shown;
}

// The range and step of the value axis.
struct ValueScale {
    double lo = 0;
    double hi = 0;
    double step = 1;
};

// An automatic axis takes in zero, every bar and every range, on whole
// steps; a manual one keeps the model's range.
ValueScale valueScale(const std::vector<const ChartSeries*>& shown, const ChartAxis& axis) {
    double lo = 0;
    double hi = 0;
    double lowestBar = shown.front()->points.front().y;
    for (const ChartSeries* s : shown)
        for (const ChartPoint& pt : s->points) {
            lowestBar = std::min(lowestBar, pt.y);
            lo = std::min(lo, pt.y);
            hi = std::max(hi, pt.y);
            if (pt.range) {
                lo = std::min(lo, pt.range->low);
                hi = std::max(hi, pt.range->high);
            }
        }
    if (!axis.automatic) {
        lo = axis.minimum;
        hi = axis.maximum;
    }
    if (hi <= lo) hi = lo + 1;
    const double step = niceStep(hi - lo, 6);
    if (axis.automatic) {
        lo = std::floor(lo / step) * step;
        hi = std::ceil(hi / step) * step;
    } else if (lowestBar <= lo && lo > 0) {
        // An axis fixed to the smallest value would give the smallest bars
        // no height at all, as if never counted: the view starts a step
        // lower (never below zero), so they show as the shortest bars.
        lo = std::max(0.0, lo - step);
    }
    return {lo, hi, step};
}

// One series with per-bar colours: one set per colour, stacked, with each
// position's value in the set of its colour and 0 in the others. Qt gives
// the empty parts no value label, so each bar shows its value once.
QAbstractBarSeries* stackedBars(const ChartSeries& s, qsizetype n) {
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
        // An outline would swallow the fill of narrow bars.
        set->setBorderColor(n > 60 ? colors[k] : colors[k].darker(140));
        set->append(values[k]);
        stacked->append(set);
    }
    stacked->setBarWidth(kStackedWidth);
    stacked->setLabelsVisible(s.marks);
    return stacked;
}

// Two series side by side, each in its own colour.
QAbstractBarSeries* groupedBars(const std::vector<const ChartSeries*>& shown, qsizetype n) {
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
    grouped->setBarWidth(kGroupedWidth);
    grouped->setLabelsVisible(shown.front()->marks || shown.back()->marks);
    return grouped;
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
    // The labels along the x axis depend on the room per bar.
    connect(c, &QChart::plotAreaChanged, this, [this](const QRectF&) { labelCategories(); });
    due_.setSingleShot(true);
    connect(&due_, &QTimer::timeout, this, [this] {
        if (stale_) refreshWhenDue();
    });
    chart_.owner().addObserver(this);
    refresh();
}

ChartWidget::~ChartWidget() {
    chart_.owner().removeObserver(this);
}

void ChartWidget::propertyChanged(Component& component, std::string_view property) {
    if (&component == &chart_ && property == prop::Chart) refreshWhenDue();
}

void ChartWidget::showEvent(QShowEvent* event) {
    QChartView::showEvent(event);
    if (stale_) refreshWhenDue();
}

// A long job (an analysis calculates a ticket every round, each showing its
// charts) redraws the charts far more often than anyone can look at them,
// and rebuilding a chart costs milliseconds. So a chart on a page not shown
// is rebuilt when it is shown, and while the busy cursor is up a shown chart
// is rebuilt a few times a second at most; the last state always follows.
void ChartWidget::refreshWhenDue() {
    stale_ = true;
    if (window()->isVisible() && !isVisible()) return;
    if (QApplication::overrideCursor() != nullptr && sinceRefresh_.isValid()) {
        const qint64 since = sinceRefresh_.elapsed();
        if (since < kBusyRefreshIntervalMs) {
            if (!due_.isActive()) due_.start(static_cast<int>(kBusyRefreshIntervalMs - since));
            return;
        }
    }
    refresh();
}

void ChartWidget::changeEvent(QEvent* event) {
    QChartView::changeEvent(event);
    if (event->type() == QEvent::FontChange) refresh();
}

void ChartWidget::refresh() {
    stale_ = false;
    due_.stop();
    sinceRefresh_.start();
    clearChart();

    const std::vector<const ChartSeries*> shown = shownSeries(chart_);
    if (shown.empty()) return;  // an empty chart

    takeCategories(shown);
    QAbstractBarSeries* bars = addBars(shown);
    QValueAxis* valueAxis = addValueAxis(*bars, shown);
    addCategoryAxis(*bars);
    addRanges(shown, *valueAxis);
}

void ChartWidget::clearChart() {
    QChart* c = chart();
    categoryAxis_ = nullptr;
    categories_.clear();
    labelled_ = {};
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    // Qt Charts deletes the removed series' and axes' graphics items later,
    // from the event loop. A long job (an analysis redraws the charts every
    // round) hands control only to nested event handling, which never
    // deletes them: the scene kept every item ever shown, hidden, and each
    // redraw walked them all. Delete them now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The categories are the positions of the bars; with two series both
// stand side by side at each position.
void ChartWidget::takeCategories(const std::vector<const ChartSeries*>& shown) {
    const ChartSeries& first = **std::max_element(
        shown.begin(), shown.end(),
        [](const auto* a, const auto* b) { return a->points.size() < b->points.size(); });
    for (const ChartPoint& pt : first.points) {
        Category cat{categoryText(pt), std::nullopt};
        if (pt.label.empty() && std::abs(pt.x - std::round(pt.x)) < 1e-9)
            cat.x = std::llround(pt.x);
        categories_.push_back(std::move(cat));
    }
}

QAbstractBarSeries* ChartWidget::addBars(const std::vector<const ChartSeries*>& shown) {
    const auto n = static_cast<qsizetype>(categories_.size());
    QAbstractBarSeries* bars =
        shown.size() == 1 ? stackedBars(*shown.front(), n) : groupedBars(shown, n);
    bars->setLabelsFormat(QStringLiteral("@value"));
    bars->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    for (QBarSet* set : bars->barSets()) set->setLabelColor(palette().color(QPalette::Text));
    chart()->addSeries(bars);
    return bars;
}

QValueAxis* ChartWidget::addValueAxis(QAbstractBarSeries& bars,
                                      const std::vector<const ChartSeries*>& shown) {
    const ValueScale scale = valueScale(shown, chart_.LeftAxis);
    auto* valueAxis = new QValueAxis;
    valueAxis->setLabelsFont(font());
    valueAxis->setLabelFormat(QStringLiteral("%d"));
    valueAxis->setRange(scale.lo, scale.hi);
    valueAxis->setTickType(QValueAxis::TicksDynamic);
    valueAxis->setTickAnchor(0);
    valueAxis->setTickInterval(scale.step);
    valueAxis->setMinorGridLineVisible(false);
    chart()->addAxis(valueAxis, Qt::AlignLeft);
    bars.attachAxis(valueAxis);
    return valueAxis;
}

void ChartWidget::addCategoryAxis(QAbstractBarSeries& bars) {
    categoryAxis_ = new QCategoryAxis;
    categoryAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    categoryAxis_->setGridLineVisible(false);
    categoryAxis_->setRange(-0.5, static_cast<double>(categories_.size()) - 0.5);
    labelCategories();
    QFont titleFont = font();
    titleFont.setBold(false);
    categoryAxis_->setTitleFont(titleFont);
    categoryAxis_->setTitleText(QString::fromStdString(chart_.BottomAxis.title));
    chart()->addAxis(categoryAxis_, Qt::AlignBottom);
    bars.attachAxis(categoryAxis_);
}

// A point's range as an error bar over the middle of its bar: a stem
// from low to high with a short cap at each end.
void ChartWidget::addRanges(const std::vector<const ChartSeries*>& shown, QValueAxis& valueAxis) {
    const std::size_t n = categories_.size();
    const double groupWidth = shown.size() == 1 ? kStackedWidth : kGroupedWidth;
    const double barWidth = groupWidth / static_cast<double>(shown.size());
    QPen pen(palette().color(QPalette::Text));
    pen.setWidthF(1.5);
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const double offset = -groupWidth / 2 + (static_cast<double>(k) + 0.5) * barWidth;
        const std::vector<ChartPoint>& points = shown[k]->points;
        for (std::size_t i = 0; i < points.size() && i < n; ++i) {
            if (!points[i].range) continue;
            const double x = static_cast<double>(i) + offset;
            const double cap = barWidth / 4;
            const double low = points[i].range->low;
            const double high = points[i].range->high;
            auto* line = new QLineSeries;
            line->setPen(pen);
            line->append({{x - cap, low},
                          {x + cap, low},
                          {x, low},
                          {x, high},
                          {x - cap, high},
                          {x + cap, high}});
            chart()->addSeries(line);
            line->attachAxis(&valueAxis);
            line->attachAxis(categoryAxis_);
        }
    }
}

void ChartWidget::labelCategories() {
    if (!categoryAxis_ || categories_.empty()) return;
    const double plotWidth =
        chart()->plotArea().width() > 1 ? chart()->plotArea().width() : std::max(width() - 50, 50);
    const double slot = plotWidth / static_cast<double>(categories_.size());

    // Every bar gets its label when they fit; otherwise every k-th round x
    // value (k = 2, 5, 10, ...), so that the labels never collide: Qt would
    // elide them all to dots. A slightly smaller font is taken where it
    // allows more labels.
    auto everyFor = [&](const QFont& f) {
        const QFontMetrics fm(f);
        int widest = 0;
        for (const Category& cat : categories_)
            widest = std::max(widest, fm.horizontalAdvance(cat.text));
        // Qt keeps some padding on both sides of an axis label.
        return static_cast<int>(niceStep((widest + 12) / slot, 1));
    };
    QFont labelFont = font();
    int every = everyFor(labelFont);
    if (every > 1) {
        QFont smaller = labelFont;
        smaller.setPixelSize(std::max(9, QFontInfo(labelFont).pixelSize() - 2));
        if (const int e = everyFor(smaller); e < every) {
            labelFont = smaller;
            every = e;
        }
    }
    if (every == labelled_.every && labelFont == labelled_.font) return;
    labelled_ = {every, labelFont};

    for (const QString& label : categoryAxis_->categoriesLabels()) categoryAxis_->remove(label);
    categoryAxis_->setLabelsFont(labelFont);
    for (std::size_t i = 0; i < categories_.size(); ++i) {
        const Category& cat = categories_[i];
        // Thinned labels go to the round x values, where a reader looks.
        const long long place = cat.x ? *cat.x : static_cast<long long>(i);
        if (place % every == 0) categoryAxis_->append(cat.text, static_cast<double>(i));
    }
}

}  // namespace kugel
