#pragma once

namespace kugel {

// Days from the chosen date to the date a ticket is named and headed with:
// 3 when the chosen date is a Wednesday, otherwise 4.
int ticketDayOffset(double chosenDate);

}  // namespace kugel
