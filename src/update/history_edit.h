#pragma once

namespace kugel {

class TForm1;

// The database page's operations that change or copy the history file:
// BitBtn8Click (enter a draw by hand), BitBtn4Click (delete the displayed
// draw), BitBtn3Click (text export).
void registerHistoryEditHandlers(TForm1& form);

void BitBtn8Click(TForm1& form);
void BitBtn4Click(TForm1& form);
void BitBtn3Click(TForm1& form);

// Removes what a rewrite that was killed half-way left behind: its temporary
// files, which may be as large as the history. Run at start and before each
// rewrite.
void removeInterruptedRewrites(const TForm1& form);

}  // namespace kugel
