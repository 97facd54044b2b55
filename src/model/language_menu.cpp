#include "model/language_menu.h"

#include <string>

#include "controls/builder.h"
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

void buildLanguageMenu(TForm1& form, Builder& b) {
    MenuItem* menu = form.SpracheLanguage1;
    menu->setTag(kLanguageMenuTag);
    auto item = [&](MenuItem*& field, int number) {
        const Language& l = languages()[static_cast<std::size_t>(number - 1)];
        field = &b.menuItem(l.menuItem, menu, l.caption);
        field->bindEvent("OnClick", std::string(l.menuItem) + "Click");
    };
    item(form.Deutsch1, 1);
    item(form.Englich1, 2);
    item(form.Spanisch1, 4);
    item(form.Portogiesisch1, 7);
    item(form.Franz1, 3);
    item(form.Italenisch1, 5);
    item(form.Russisch1, 6);
    item(form.N2, 8);
    item(form.Hindi, 9);
    // Portuguese, Chinese and Hindi came later and take their names from
    // the language files like everything else.
    for (MenuItem* tagged : {form.Deutsch1, form.Englich1, form.Spanisch1, form.Franz1,
                             form.Italenisch1, form.Russisch1})
        tagged->setTag(kLanguageMenuTag);

    form.N1 = &b.menuItem("N1", menu, "-");
    form.N1->setVisible(false);
    form.Dateispeichern1 = &b.menuItem("Dateispeichern1", menu, "Datei &speichern");
    form.Dateispeichern1->setVisible(false);
    form.Dateispeichern1->bindEvent("OnClick", "Dateispeichern1Click");
    form.DateiLaden1 = &b.menuItem("DateiLaden1", menu, "Datei &laden");
    form.DateiLaden1->setVisible(false);
    form.DateiLaden1->bindEvent("OnClick", "DateiLaden1Click");
}

}  // namespace kugel
