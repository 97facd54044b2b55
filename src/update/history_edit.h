#pragma once

namespace kugel {

class TForm1;

// The database page's operations that change or copy the history file.
// Their handler names stay those of the designed window, where the delete
// button BitBtn6 runs "BitBtn4Click".
void registerHistoryEditHandlers(TForm1& form);

void enterDrawByHand(TForm1& form);      // "BitBtn8Click"
void deleteShownDraw(TForm1& form);      // "BitBtn4Click", run by BitBtn6
void exportHistoryAsText(TForm1& form);  // "BitBtn3Click"

// Removes what a rewrite that was killed half-way left behind: its temporary
// files, which may be as large as the history. Run at start and before each
// rewrite.
void removeInterruptedRewrites(const TForm1& form);

}  // namespace kugel
