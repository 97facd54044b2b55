#include "output/ticket_date.h"

#include "platform/dates.h"

namespace kugel {

int ticketDayOffset(double chosenDate) {
    constexpr int kWednesday = 3;
    return dayOfWeek(chosenDate) == kWednesday ? 3 : 4;
}

}  // namespace kugel
