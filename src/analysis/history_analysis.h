#pragma once

namespace kugel {

class TForm1;

// "Historische Analyse": from the end date on, puts each stored draw into
// row 1 of the ticket and counts how many main numbers it shares with each
// earlier draw of the range (table A) and with the draw that follows it
// (table B); stops to ask where an earlier draw shares at least the
// threshold. The tables go to the report "Test.rtf".
void runHistoryAnalysis(TForm1& form);

void registerHistoryAnalysisHandlers(TForm1& form);

}  // namespace kugel
