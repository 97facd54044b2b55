#pragma once

#include <string>
#include <vector>

namespace kugel {

class TForm1;

// The yes/no answers a click script asks for, from the main window's
// check boxes.
struct ScriptAnswers {
    bool dauer = false;  // CheckBox1
    bool fr = false;     // CheckBox3
    bool di = false;     // CheckBox2
};

// The template's text with its tokens filled: line r of the hand-over tip
// file feeds [Z1_r]..[Z5_r], [S1_r] and [S2_r]; the tokens of rows after the
// last line up to row 12 become empty; then the answers, the ready text and
// the tip file's path. Replacements happen in this order, every occurrence.
std::string fillScriptTokens(std::string text, const std::vector<std::string>& tipLines,
                             const ScriptAnswers& answers, const std::string& tipFile);

// The click-script hand-over after the hand-over tip file was written: the
// user picks a template and four parameters, the tokens are filled, the
// script is saved beside the tip file and the automation tool started.
void Scriptstart(TForm1& form);

}  // namespace kugel
