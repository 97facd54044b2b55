#pragma once

#include "platform/platform.h"

namespace kugel {

// Waits `ms` milliseconds in short slices, letting the user's clicks and
// repaints through after each one, so the window stays responsive.
void waitHandlingEvents(Platform& platform, int ms);

}  // namespace kugel
