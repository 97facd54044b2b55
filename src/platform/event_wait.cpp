#include "platform/event_wait.h"

#include <algorithm>

namespace kugel {

void waitHandlingEvents(Platform& platform, int ms) {
    constexpr int kSliceMs = 50;
    for (int waited = 0; waited < ms; waited += kSliceMs) {
        platform.sleepMs(std::min(kSliceMs, ms - waited));
        platform.processEvents();
    }
}

}  // namespace kugel
