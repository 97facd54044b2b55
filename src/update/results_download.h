#pragma once

namespace kugel {

class TForm1;

// Brings the history up to date from the results server, week by week.
void KugelmeisterClick(TForm1& form);

void registerResultsDownloadHandlers(TForm1& form);

}  // namespace kugel
