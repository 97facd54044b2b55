#pragma once

#include <string>
#include <vector>

namespace kugel {

class Application;
class Builder;
class TForm1;

// One of the languages the menu offers.
struct Language {
    int number;            // the value of `sprache`
    const char* menuItem;  // its item under SpracheLanguage1
    const char* caption;
    const char* file;  // its language file in the folder "land"
};
// By number, 1 to 9.
const std::vector<Language>& languages();

// The language menu's items, in the order the menu shows them.
void buildLanguageMenu(TForm1& form, Builder& b);
void registerLanguageHandlers(TForm1& form);

// Applies the language numbered `sprache`, then shows the draw of the chosen
// date with the ticket check and the frequency chart in that language.
void SpracheSetzen(TForm1& form);
// Selects language `number` (1..9) as its menu item does.
void selectLanguage(TForm1& form, int number);
// Applies the language file named by OpenDialog1.
void DateiLaden1Click(TForm1& form);
// Asks for a file name and writes the master file there and the language
// template beside it (".trans").
void Dateispeichern1Click(TForm1& form);

// The master file's and the template's lines from the windows' current
// texts, in the order both the writer and the reader walk them.
struct LanguageTemplate {
    std::vector<std::string> master;    // five lines per entry
    std::vector<std::string> language;  // two lines per entry
};
LanguageTemplate writeLanguageTemplate(const Application& app);

}  // namespace kugel
