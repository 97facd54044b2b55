#pragma once

#include <string>

namespace kugel {

// A money amount as the prize dialog shows it: fixed-point with `decimals`
// decimals, the value first cut to `precision` significant digits (the
// digits beyond are zeros). With more than `precision` digits before the
// point it comes out in scientific notation, mantissa without trailing
// zeros and the exponent without a plus sign or padding ("1E7", "1,5E8").
std::string fixedAmountText(double value, int precision, int decimals,
                            const std::string& decimalSeparator);

}  // namespace kugel
