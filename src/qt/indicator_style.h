#pragma once

#include <QProxyStyle>

namespace kugel {

// The desktop style with the check boxes' and radio buttons' indicators at a
// size that grows and shrinks with the window's pages. A style sheet would do
// the same, but a widget under a style sheet stops taking its parent's font,
// and the pages' texts would keep their size when the window is scaled.
class IndicatorStyle : public QProxyStyle {
  public:
    // The indicator's side in pixels.
    void setIndicatorSize(int pixels) { indicator_ = pixels; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

  private:
    int indicator_ = 13;
};

}  // namespace kugel
