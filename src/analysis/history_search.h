#pragma once

namespace kugel {

class TForm1;

// "Tipps in DB suchen": walks the stored draws from the chart page's start
// date to the end date, checks every row of the ticket against each and
// asks whether to go on wherever a row reaches the threshold the user
// gives. The chart is left with one bar per row: in how many of the draws
// seen the row reached the threshold.
void searchTicketInHistory(TForm1& form);

void registerHistorySearchHandlers(TForm1& form);

}  // namespace kugel
