#include "qt/window_fit.h"

#include <algorithm>

namespace kugel {
namespace {

// One axis: a length no longer than the area's, and a start that keeps the
// whole length inside the area. Computed in 64 bits, so that no stored
// position or size can overflow.
void fitAxis(int start, int length, int areaStart, int areaLength, int& outStart, int& outLength) {
    const long long area = std::max(areaLength, 1);
    const long long len = std::clamp<long long>(length, 1, area);
    const long long lowest = areaStart;
    const long long highest = lowest + area - len;
    outStart = static_cast<int>(std::clamp<long long>(start, lowest, highest));
    outLength = static_cast<int>(len);
}

}  // namespace

ScreenRect fitToArea(const ScreenRect& window, const ScreenRect& available) {
    ScreenRect out;
    fitAxis(window.left, window.width, available.left, available.width, out.left, out.width);
    fitAxis(window.top, window.height, available.top, available.height, out.top, out.height);
    return out;
}

}  // namespace kugel
