#include "qt/indicator_style.h"

namespace kugel {

int IndicatorStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
    switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return indicator_;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

}  // namespace kugel
