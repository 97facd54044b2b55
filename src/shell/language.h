#pragma once

#include <string>
#include <vector>

#include "model/language_menu.h"

namespace kugel {

class ProgramWindows;
class TForm1;

void registerLanguageHandlers(TForm1& form);

// Applies the language numbered `sprache`, then shows the draw of the chosen
// date with the ticket check and the frequency chart in that language.
void SpracheSetzen(TForm1& form);
// Selects language `number` (1..9) as its menu item does.
void selectLanguage(TForm1& form, int number);
// Applies the language file named by OpenDialog1.
void applyChosenLanguageFile(TForm1& form);
// Applies `language` from the language files under `directory` (a program
// directory, or where the shipped files lie) without changing the menu or the
// stored choice. False when that directory holds no such files.
bool applyLanguageFrom(TForm1& form, const Language& language, const std::string& directory);
// Asks for a file name and writes the master file there and the language
// template beside it (".trans").
void saveLanguageTemplate(TForm1& form);

// The master file's and the template's lines from the windows' current
// texts, in the order both the writer and the reader walk them.
struct LanguageTemplate {
    std::vector<std::string> master;    // five lines per entry
    std::vector<std::string> language;  // two lines per entry
};
LanguageTemplate writeLanguageTemplate(const ProgramWindows& windows);

// The master file's bytes: CR LF lines in the ANSI code page without a mark,
// as every shipped master file is. Its entries are matched by owner and
// component name only, and a mark would change the encoding of the ticket
// listing, which follows the master file's; a caption the code page cannot
// hold (a language's own name in its script) is kept whole in the template.
std::string encodeMasterFile(const std::vector<std::string>& lines);

}  // namespace kugel
