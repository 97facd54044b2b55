#include "model/language_menu.h"

#include <string>

#include "model/main_window.h"

namespace kugel {
namespace {

// Keeps the language menu's own items out of every language file.
constexpr int kLanguageMenuTag = 1;

}  // namespace

const std::vector<Language>& languages() {
    static const std::vector<Language> all{
        {1, "Deutsch1", "deutsch", "Power_de.txt", "de"},
        {2, "Englich1", "english", "Power_en.txt", "en"},
        {3, "Franz1", "français", "Power_fr.txt", "fr"},
        {4, "Spanisch1", "español", "Power_es.txt", "es"},
        {5, "Italenisch1", "italiano", "Power_it.txt", "it"},
        {6, "Russisch1", "русский", "Power_ru.txt", "ru"},
        // The shipped Portuguese is that of Portugal ("ficheiro").
        {7, "Portogiesisch1", "português", "Power_pt.txt", "pt_PT"},
        // Simplified Chinese, as written in mainland China.
        {8, "N2", "中国的", "Power_cn.txt", "zh_CN"},
        {9, "Hindi", "हिंदी", "Power_in.txt", "hi"},
    };
    return all;
}

const Language& languageOfLocaleName(std::string_view name) {
    const std::string_view language = name.substr(0, name.find_first_of("_.@"));
    constexpr std::size_t kEnglish = 1;
    if (language.empty()) return languages()[kEnglish];
    for (const Language& l : languages()) {
        const std::string_view own(l.locale);
        if (own.substr(0, own.find('_')) == language) return l;
    }
    return languages()[kEnglish];
}

ControlRows languageMenuRows() {
    ControlRows rows = {{.kind = Kind::MenuItem,
                         .name = "SpracheLanguage1",
                         .parent = "MainMenu1",
                         .caption = "Sprache/&Language",
                         .tag = kLanguageMenuTag}};
    // In the order the menu shows them. Portuguese, Chinese and Hindi came
    // later and take their names from the language files like everything
    // else; the others keep their own names in every language.
    struct Item {
        int number;
        bool ownName;
    };
    for (const Item item :
         {Item{1, true}, Item{2, true}, Item{4, true}, Item{7, false}, Item{3, true}, Item{5, true},
          Item{6, true}, Item{8, false}, Item{9, false}}) {
        const Language& l = languages()[static_cast<std::size_t>(item.number - 1)];
        rows.push_back({.kind = Kind::MenuItem,
                        .name = l.menuItem,
                        .parent = "SpracheLanguage1",
                        .caption = l.caption,
                        .tag = item.ownName ? kLanguageMenuTag : 0,
                        .events = {{"OnClick", std::string(l.menuItem) + "Click"}}});
    }
    return concatenate({rows,
                        {
                            {.kind = Kind::MenuItem,
                             .name = "N1",
                             .parent = "SpracheLanguage1",
                             .caption = "-",
                             .visible = false},
                            {.kind = Kind::MenuItem,
                             .name = "Dateispeichern1",
                             .parent = "SpracheLanguage1",
                             .caption = "Datei &speichern",
                             .visible = false,
                             .events = {{"OnClick", "Dateispeichern1Click"}}},
                            {.kind = Kind::MenuItem,
                             .name = "DateiLaden1",
                             .parent = "SpracheLanguage1",
                             .caption = "Datei &laden",
                             .visible = false,
                             .events = {{"OnClick", "DateiLaden1Click"}}},
                        }});
}

void bindLanguageMenu(TForm1& form) {
    bindMember(form, "SpracheLanguage1", form.SpracheLanguage1);
    bindMember(form, "Deutsch1", form.Deutsch1);
    bindMember(form, "Englich1", form.Englich1);
    bindMember(form, "Spanisch1", form.Spanisch1);
    bindMember(form, "Portogiesisch1", form.Portogiesisch1);
    bindMember(form, "Franz1", form.Franz1);
    bindMember(form, "Italenisch1", form.Italenisch1);
    bindMember(form, "Russisch1", form.Russisch1);
    bindMember(form, "N2", form.N2);
    bindMember(form, "Hindi", form.Hindi);
    bindMember(form, "N1", form.N1);
    bindMember(form, "Dateispeichern1", form.Dateispeichern1);
    bindMember(form, "DateiLaden1", form.DateiLaden1);
}

}  // namespace kugel
