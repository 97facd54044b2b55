#pragma once

namespace kugel {

class TForm1;

// How often each main number 1..40 stands on the ticket, as forty bars in
// Chart1's Series2 (primes red, the others green) on the chart page. The
// edits are counted row by row; the first one that holds no number ends the
// count.
void showTicketNumberDistribution(TForm1& form);

void registerTipDistributionHandlers(TForm1& form);

}  // namespace kugel
