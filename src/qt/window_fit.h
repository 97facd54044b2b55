#pragma once

namespace kugel {

// A rectangle on the desktop in device-independent pixels.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ScreenRect&) const = default;
};

// The window's outer rectangle (its frame included) fitted to a screen's
// available area: no larger than the area, and moved the least distance
// that brings it wholly inside. A size stored on a bigger screen or an
// absurd one thus never opens the window partly off the screen.
ScreenRect fitToArea(const ScreenRect& window, const ScreenRect& available);

}  // namespace kugel
