#pragma once

#include "platform/platform.h"

namespace kugel {

// Shows the hourglass for the lifetime of the guard, on every way out.
class BusyCursor {
  public:
    explicit BusyCursor(Platform& platform) : platform_(platform) { platform_.setBusyCursor(true); }
    ~BusyCursor() { platform_.setBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    Platform& platform_;
};

}  // namespace kugel
