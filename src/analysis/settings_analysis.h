#pragma once

namespace kugel {

class TForm1;

// "Historische Analyse der Parameter": from the end date on, calculates a
// ticket with the current settings as if each week's draw were the newest,
// checks it against the draw that follows and adds the rows up by hit
// class; the report "Test.rtf" says how the settings would have fared. A
// click on the calculation's button while a round calculates ends the
// analysis after that round; the report covers the rounds completed.
void runSettingsAnalysis(TForm1& form);

void registerSettingsAnalysisHandlers(TForm1& form);

}  // namespace kugel
