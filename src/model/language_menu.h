#pragma once

#include <string_view>
#include <vector>

#include "controls/control_table.h"

namespace kugel {

class TForm1;

// One of the languages the menu offers.
struct Language {
    int number;            // the value of `sprache`
    const char* menuItem;  // its item under SpracheLanguage1
    const char* caption;
    const char* file;    // its language file in the folder "land"
    const char* locale;  // its locale name, for the platform's own dialogs
};
// By number, 1 to 9.
const std::vector<Language>& languages();

// The language of a POSIX locale name ("fr_CA.UTF-8", "pt_BR", "zh_TW@x"),
// matched by its language part; English for "C", "POSIX", an empty name and
// every language the program does not speak.
const Language& languageOfLocaleName(std::string_view name);

// SpracheLanguage1 and its items, in the order the menu shows the
// languages, then the hidden items that write and apply language files.
ControlRows languageMenuRows();
void bindLanguageMenu(TForm1& form);

}  // namespace kugel
