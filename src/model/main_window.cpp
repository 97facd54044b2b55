#include "model/main_window.h"

#include <algorithm>

#include "controls/value_text.h"
#include "model/added_texts.h"
#include "model/game.h"
#include "model/language_menu.h"
#include "model/message_table.h"
#include "platform/platform.h"

namespace kugel {
namespace {

// Client area of the window as designed; the pages are laid out for it.
constexpr int kClientWidth = 533;
constexpr int kClientHeight = 462;
constexpr int kStatusHeight = 19;
// Inner size of a page of PageControl1.
constexpr int kPageWidth = 525;
constexpr int kPageHeight = 415;
// Link labels are blue, and their addresses are not translated.
constexpr Color kLinkColor = 0xFF0000;  // clBlue
constexpr int kNoTranslationTag = 8;

std::string joinInts(const int* first, const int* last) {
    std::string out;
    for (const int* p = first; p != last; ++p) {
        if (!out.empty()) out += ' ';
        out += std::to_string(*p);
    }
    return out;
}

// Fields over plain values, read and written as the driver's texts.
Field dayField(double& v) {
    return Field{[&v] { return dayValueText(v); },
                 [&v](const std::string& s) {
                     const auto d = parseDayValue(s);
                     if (d) v = *d;
                     return d.has_value();
                 }};
}

Field intField(int& v) {
    return Field{[&v] { return std::to_string(v); },
                 [&v](const std::string& s) {
                     const auto i = parseInt(s);
                     if (i) v = *i;
                     return i.has_value();
                 }};
}

Field boolField(bool& v) {
    return Field{[&v] { return boolText(v); },
                 [&v](const std::string& s) {
                     const auto on = parseBool(s);
                     if (on) v = *on;
                     return on.has_value();
                 }};
}

Field textField(std::string& v) {
    return Field{[&v] { return v; },
                 [&v](const std::string& s) {
                     v = s;
                     return true;
                 }};
}

// The client size. A stored size far from the designed one (a damaged
// store, another screen) is brought back into a range the pages can be
// scaled to.
Field clientSizeField(Form& form, bool height) {
    return Field{[&form, height] {
                     return std::to_string(height ? form.bounds().height : form.bounds().width);
                 },
                 [&form, height](const std::string& s) {
                     const auto v = parseInt(s);
                     if (!v) return false;
                     const Bounds& b = form.bounds();
                     const int designed = height ? kClientHeight : kClientWidth;
                     const int size = std::clamp(*v, designed / 2, designed * 4);
                     if (height)
                         form.setBounds(b.left, b.top, b.width, size);
                     else
                         form.setBounds(b.left, b.top, size, b.height);
                     return true;
                 }};
}

}  // namespace

TForm1::TForm1(Platform& platform, ProgramWindows& app) : Form("Form1", platform), app_(app) {
    setCaption("Quandors Kugelmeister for PowerBall Australia");
    setBounds(366, 100, kClientWidth, kClientHeight);
    setFontHeight(13);
    buildWindow();
    registerFields();
}

std::string TForm1::msg(int k) const {
    return k < 0 ? std::string() : Memo2->line(static_cast<std::size_t>(k));
}

bool TForm1::calculationStarted() const {
    return ticket.BitBtn4->caption() == msg(Msg::CalculationStop);
}

bool TForm1::updateStopRequested() const {
    return !SpeedButton8->visible();
}

const LocaleInfo& TForm1::locale() const {
    return platform().locale();
}

void TForm1::buildWindow() {
    Builder b(*this);
    bindEvent("OnShow", "FormShow");
    bindEvent("OnActivate", "FormActivate");
    bindEvent("OnResize", "FormResize");
    bindEvent("OnClose", "FormClose");

    MainMenu1 = &create<Panel>(Kind::MainMenu, "MainMenu1", this);
    Aktualisieren1 = &b.menuItem("Aktualisieren1", MainMenu1, "&Ziehungsdaten laden", "Ctrl+A");
    Aktualisieren1->bindEvent("OnClick", "Aktualisieren1Click");
    Berechnen1 = &b.menuItem("Berechnen1", MainMenu1, "&Berechnen", "Ctrl+R");
    Berechnen1->bindEvent("OnClick", "Label28Click");
    SpracheLanguage1 = &b.menuItem("SpracheLanguage1", MainMenu1, "Sprache/&Language");
    buildLanguageMenu(*this, b);
    Abgeben1 = &b.menuItem("Abgeben1", MainMenu1, "&Abgeben", "Ctrl+G");
    Abgeben1->setVisible(false);
    Abgeben1->bindEvent("OnClick", "OnlineTippClick");
    Schlieen1 = &b.menuItem("Schlieen1", MainMenu1, "&Schließen");
    Schlieen1->bindEvent("OnClick", "Schlieen1Click");

    PageControl1 =
        &b.pageControl("PageControl1", this, {0, 0, kClientWidth, kClientHeight - kStatusHeight});
    TabSheet1 = &b.tabSheet("TabSheet1", *PageControl1, "Tipp-Übersicht");
    TabSheet2 = &b.tabSheet("TabSheet2", *PageControl1, "Zahlen der letzten Ziehung");
    TabSheet2->setTabVisible(false);
    TabSheet6 = &b.tabSheet("TabSheet6", *PageControl1, "Berechnung");
    TabSheet5 = &b.tabSheet("TabSheet5", *PageControl1, "Diagramm");
    TabSheet4 = &b.tabSheet("TabSheet4", *PageControl1, "Datenbank");
    TabSheet3 = &b.tabSheet("TabSheet3", *PageControl1, "Internet-Optionen");
    PageControl1->setActivePage(TabSheet1);

    buildOverviewPage(b);
    buildHiddenPage(b);
    buildCalculationPage(b);
    buildChartPage(b);
    buildDatabasePage(b);
    buildInternetPage(b);

    StatusBar1 = &create<StatusBar>("StatusBar1", this);
    StatusBar1->setBounds(0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight);
    StatusBar1->addPanel(150);
    StatusBar1->addPanel(0);

    // Reports are composed here before they are saved; it is never shown
    // while they are.
    RichEdit1 = &create<Memo>("RichEdit1", this);
    RichEdit1->setBounds(8, 40, kPageWidth - 16, kPageHeight - 48);
    RichEdit1->setVisible(false);

    buildAddedControls(b);
}

// Controls the window gained after its design. The language files address
// components by their place in creation order, so every new control is
// created here, after all designed ones, and the designed ones keep their
// places: add to the end of this function.
void TForm1::buildAddedControls(Builder& b) {
    // The added commands share one menu: the menu bar is only as wide as the
    // window, and items beyond it would hide behind an overflow arrow.
    Extras1 = &b.menuItem("Extras1", MainMenu1, "&Extras");
    Drucken1 = &b.menuItem("Drucken1", Extras1, "&Drucken…", "Ctrl+P");
    Drucken1->bindEvent("OnClick", "Drucken1Click");
    DruckButton = &b.button("DruckButton", Kind::SpeedButton, Panel3, {384, 9, 24, 24}, {},
                            "Druckvorschau des Tipps: drucken oder als PDF speichern");
    DruckButton->bindEvent("OnClick", "Drucken1Click");
    Gewinnauswertung1 = &b.menuItem("Gewinnauswertung1", Extras1, "&Gewinnauswertung");
    Gewinnauswertung1->bindEvent("OnClick", "auswertungClick");
    Gewinnchancen1 = &b.menuItem("Gewinnchancen1", Extras1, "Gewinn&chancen");
    Gewinnchancen1->setHint(
        "Die Gewinnklassen mit ihren genauen Chancen und der erwarteten Auszahlung");
    Gewinnchancen1->bindEvent("OnClick", "GewinnchancenClick");
}

void TForm1::buildOverviewPage(Builder& b) {
    Panel4 = &b.panel("Panel4", TabSheet1, {0, 0, kPageWidth, 34});
    SpeedButton6 = &b.button("SpeedButton6", Kind::SpeedButton, Panel4, {4, 5, 24, 24}, {},
                             "vorhergehende Ziehung anzeigen");
    SpeedButton6->bindEvent("OnClick", "SpeedButton6Click");
    Label35 = &b.label("Label35", Panel4, {32, 9, 262, 17}, "");
    SpeedButton7 = &b.button("SpeedButton7", Kind::SpeedButton, Panel4, {298, 5, 24, 24}, {},
                             "nächste Ziehung anzeigen");
    SpeedButton7->bindEvent("OnClick", "SpeedButton7Click");
    Label13 = &b.label("Label13", Panel4, {328, 9, 106, 17}, "Quersumme");
    SpeedButton10 = &b.button("SpeedButton10", Kind::SpeedButton, Panel4, {438, 5, 24, 24}, {},
                              "Ziehungsdaten von der Kugelmeister-Webseite laden");
    SpeedButton10->bindEvent("OnClick", "KugelmeisterClick");
    Losnummer = &b.label("Losnummer", Panel4, {466, 9, 56, 17}, "");

    Panel3 = &b.panel("Panel3", TabSheet1, {0, kPageHeight - 42, kPageWidth, 42});
    buildTicketControls(*this, b);

    // Save and load sit above the row labels, a small tool bar of the
    // ticket; the listing's button ends Panel3, with room left of it for
    // the printer button added later.
    SpeedButton15 = &b.button("SpeedButton15", Kind::SpeedButton, TabSheet1, {10, 35, 24, 22}, {},
                              "Speichern des Tipps");
    SpeedButton15->bindEvent("OnClick", "SpeedButton15Click");
    SpeedButton16 = &b.button("SpeedButton16", Kind::SpeedButton, TabSheet1, {38, 35, 24, 22}, {},
                              "Tipp laden aus Datei");
    SpeedButton16->bindEvent("OnClick", "SpeedButton16Click");
    BitBtn7 = &b.button("BitBtn7", Kind::BitBtn, Panel3, {414, 7, 106, 28}, "Tipp ausdrucken",
                        "Drucken SIe hier die berechneten Tipps aus");
    BitBtn7->bindEvent("OnClick", "BitBtn7Click");
    // Under the last row, beside the Powerball, sum and hit columns; Panel3's
    // right part is kept for the file and print buttons.
    constexpr int kHandOverTop = kPageHeight - 42 - 18;
    OnlineTipp = &b.button("OnlineTipp", Kind::BitBtn, TabSheet1, {314, kHandOverTop, 96, 17},
                           "Tipp &abgeben", "Hier können Sie den Tipp Online abgeben");
    OnlineTipp->setFontHeight(11);
    OnlineTipp->bindEvent("OnClick", "OnlineTippClick");
    Warenkorb =
        &b.button("Warenkorb", Kind::BitBtn, TabSheet1, {414, kHandOverTop, 100, 17},
                  "Warenkorb / Cart", "Den Tipp in den Warenkorb eines Online-Anbieters legen");
    Warenkorb->setFontHeight(11);
    Warenkorb->bindEvent("OnClick", "WarenkorbClick");

    // Narrow side bars left and right of the rows; their text is the
    // vendor's address and a click opens its home page.
    constexpr int kBarTop = 34;
    constexpr int kBarHeight = kPageHeight - 42 - kBarTop;
    Panel2 = &b.panel("Panel2", TabSheet1, {0, kBarTop, 9, kBarHeight});
    Label43 = &b.label("Label43", Panel2, {0, 0, 9, kBarHeight}, "");
    Panel5 = &b.panel("Panel5", TabSheet1, {kPageWidth - 10, kBarTop, 10, kBarHeight});
    Label44 = &b.label("Label44", Panel5, {0, 0, 10, kBarHeight}, "");
    for (Component* c : {static_cast<Component*>(Panel2), static_cast<Component*>(Label43),
                         static_cast<Component*>(Panel5), static_cast<Component*>(Label44)}) {
        c->bindEvent("OnClick", "Label43Click");
        c->setHint("Zur Kugelmeister-Webseite");
    }
    for (Label* l : {Label43, Label44}) {
        l->setTag(kNoTranslationTag);
        l->setFontHeight(8);
    }

    // Under the last row, left of the hand-over buttons.
    SpeedButton4 = &b.button("SpeedButton4", Kind::SpeedButton, TabSheet1,
                             {194, kPageHeight - 42 - 18, 116, 17}, "Tipps in DB suchen",
                             "Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde");
    SpeedButton4->setFontHeight(11);
    SpeedButton4->bindEvent("OnClick", "SpeedButton4Click");
}

void TForm1::buildHiddenPage(Builder& b) {
    Memo2 = &create<Memo>("Memo2", TabSheet2);
    Memo2->setBounds(8, 8, 300, 200);
    Memo2->setVisible(false);
    Memo2->setLines(defaultMessages());
    // Hidden controls whose values the settings store keeps from run to run.
    CheckBox21 = &b.checkBox("CheckBox21", TabSheet2, {320, 8, 120, 17}, "", true);
    CheckBox21->setVisible(false);
    Edit81 = &b.edit("Edit81", TabSheet2, {320, 32, 80, 21});
    Edit81->setVisible(false);
    Edit82 = &b.edit("Edit82", TabSheet2, {320, 58, 80, 21});
    Edit82->setVisible(false);
}

void TForm1::buildCalculationPage(Builder& b) {
    PageControl2 = &b.pageControl("PageControl2", TabSheet6, {0, 0, kPageWidth, kPageHeight});
    TabSheet8 = &b.tabSheet("TabSheet8", *PageControl2, "Statistisch");
    TabSheet9 = &b.tabSheet("TabSheet9", *PageControl2, "Schein Optimierung");
    TabSheet7 = &b.tabSheet("TabSheet7", *PageControl2, "Mathematisch");
    TabSheet11 = &b.tabSheet("TabSheet11", *PageControl2, "Powerball");
    TabSheet10 = &b.tabSheet("TabSheet10", *PageControl2, "Allgemein");
    PageControl2->setActivePage(TabSheet8);
    buildControls(*this, settingsPageRows());
    bindSettingsControls(*this);
}

void TForm1::buildChartPage(Builder& b) {
    Panel6 = &b.panel("Panel6", TabSheet5, {0, 0, kPageWidth, 34});
    DateTimePicker2 = &b.datePicker("DateTimePicker2", Panel6, {410, 6, 110, 22},
                                    builtInAddedTexts()[AddedText::StatisticsStartHint]);
    DateTimePicker2->setMinDate(ErsteZiehung);
    DateTimePicker2->setDate(ErsteZiehung);
    Chart1 = &create<Chart>("Chart1", TabSheet5);
    Chart1->setBounds(0, 34, kPageWidth, kPageHeight - 34);
    buildChartPageControls(*this, b);
}

void TForm1::buildDatabasePage(Builder& b) {
    Label29 = &b.label("Label29", TabSheet4, {8, 12, 316, 17}, "");
    DateTimePicker1 = &b.datePicker("DateTimePicker1", TabSheet4, {8, 38, 110, 22},
                                    builtInAddedTexts()[AddedText::EndDateHint]);
    DateTimePicker1->setMinDate(ErsteZiehung);
    DateTimePicker1->setDate(ErsteZiehung);
    SpeedButton5 = &b.button("SpeedButton5", Kind::SpeedButton, TabSheet4, {124, 37, 24, 24}, {},
                             "Bewertung des Tipps für die Ziehung des gewählten Datums");
    SpeedButton5->bindEvent("OnClick", "SpeedButton5Click");

    BitBtn1 = &b.button("BitBtn1", Kind::BitBtn, TabSheet4, {8, 78, 190, 28},
                        "&Datenbank aktualisieren", "aktualieren der Datenbank über Internet");
    BitBtn1->bindEvent("OnClick", "KugelmeisterClick");
    SpeedButton8 = &b.button("SpeedButton8", Kind::SpeedButton, TabSheet4, {204, 80, 24, 24}, {},
                             "Stoppt das Einlesen");
    SpeedButton8->setVisible(false);
    SpeedButton8->bindEvent("OnClick", "SpeedButton8Click");
    BitBtn2 =
        &b.button("BitBtn2", Kind::BitBtn, TabSheet4, {8, 112, 190, 28}, "Datenbank neu anlegen",
                  "Beim neu anlegen der Datenbank, wird mit dem Einlesen bei dem "
                  "Eingestellten Datum begonnen. Ein Datum bis 1994 ist möglich.");
    BitBtn2->bindEvent("OnClick", "BitBtn2Click");
    BitBtn8 = &b.button("BitBtn8", Kind::BitBtn, TabSheet4, {8, 158, 92, 28}, "Eingeben",
                        "manuelle eingaben der Ziehungsdaten.");
    BitBtn8->bindEvent("OnClick", "BitBtn8Click");
    BitBtn6 = &b.button("BitBtn6", Kind::BitBtn, TabSheet4, {106, 158, 92, 28}, "Löschen",
                        "Löschen der aktuell angezeigten Ziehung");
    BitBtn6->bindEvent("OnClick", "BitBtn4Click");
    BitBtn3 = &b.button("BitBtn3", Kind::BitBtn, TabSheet4, {8, 192, 190, 28}, "Export nach Text");
    BitBtn3->setVisible(false);
    BitBtn3->bindEvent("OnClick", "BitBtn3Click");
    SaveDialog1 = &create<FileDialog>(Kind::SaveDialog, "SaveDialog1", TabSheet4);
    SaveDialog1->defaultExt = "txt";
    SaveDialog1->filter = "Textdatei|*.txt";
    OpenDialog1 = &create<FileDialog>(Kind::OpenDialog, "OpenDialog1", TabSheet4);

    // The two analyses replay the history from the date above.
    const char* const analysisHint = "Berechnung und Erfolg beginnend mit dem oben gewählten Datum";
    BitBtn9 = &b.button("BitBtn9", Kind::BitBtn, TabSheet4, {8, 236, 509, 28},
                        "Historische Analyse der Parameter beginnenden mit oben gewähltem Datum",
                        analysisHint);
    BitBtn9->bindEvent("OnClick", "BitBtn9Click");
    Label94 = &b.label("Label94", TabSheet4, {8, 268, 509, 17},
                       "Anhand der eingestellten Parameter werden Tipps berechnet und ausgewertet");
    BitBtn19 =
        &b.button("BitBtn19", Kind::BitBtn, TabSheet4, {8, 300, 509, 28},
                  "Historische Analyse beginnend mit dem oben gewähltem Datum", analysisHint);
    BitBtn19->bindEvent("OnClick", "BitBtn19Click");
    Label95 = &b.label("Label95", TabSheet4, {8, 332, 509, 17},
                       "War eine Ziehung schon ein 4er oder 5er?");
}

void TForm1::buildInternetPage(Builder& b) {
    b.label("ProxyHostLabel", TabSheet3, {12, 20, 90, 17}, "Proxy-Server");
    ProxyHostEdit = &b.edit("ProxyHostEdit", TabSheet3, {108, 16, 220, 21});
    b.label("ProxyPortLabel", TabSheet3, {12, 50, 90, 17}, "Proxy-Port");
    ProxyPortEdit = &b.edit("ProxyPortEdit", TabSheet3, {108, 46, 64, 21}, "80");
    URLEdit = &b.edit("URLEdit", TabSheet3, {108, 76, 220, 21});
    URLEdit->setVisible(false);

    // Link labels: the caption is the address a click opens; start-up sets
    // it from the vendor's address. Tag 8 keeps addresses out of translation.
    auto link = [&](const char* heading, const char* headingText, const char* name, int top) {
        b.label(heading, TabSheet3, {12, top, 500, 17}, headingText);
        Label& l =
            b.label(name, TabSheet3, {28, top + 20, 484, 17}, "", "Diese Seite im Browser öffnen");
        l.setTag(kNoTranslationTag);
        l.setFontColor(kLinkColor);
        l.bindEvent("OnClick", "Label52Click");
        return &l;
    };
    Label52 =
        link("UpdateLinkHeading", "Updates und die neueste Version gibt es bei:", "Label52", 120);
    Label54 = link("ResultsLinkHeading",
                   "Die aktuellen Ziehungen und Quoten finden unter:", "Label54", 170);
    Label56 =
        link("ToolLinkHeading", "Tipps online abgeben mit Quandors Klickwerk:", "Label56", 220);
}

void TForm1::registerFields() {
    addField("Zahl", {[this] { return joinInts(Zahl.data() + 1, Zahl.data() + 9); }, {}});
    addField("Treffer", {[this] {
                             std::string out;
                             for (int k = 1; k <= 6; ++k)
                                 out += (k > 1 ? " " : "") +
                                        boolText(Treffer[static_cast<std::size_t>(k)]);
                             return out;
                         },
                         {}});
    addField("Statistik", {[this] {
                               std::string out;
                               for (const auto& cls : Statistik)
                                   for (const int n : cls)
                                       out += (out.empty() ? "" : " ") + std::to_string(n);
                               return out;
                           },
                           {}});
    addField("RandSeed", {[this] { return std::to_string(random.seed); },
                          [this](const std::string& s) {
                              // Accepts 0..2^32-1, the generator's full range.
                              if (s.empty() || s.size() > 10 ||
                                  s.find_first_not_of("0123456789") != std::string::npos)
                                  return false;
                              const unsigned long long v = std::stoull(s);
                              if (v > 0xFFFFFFFFull) return false;
                              random.seed = static_cast<std::uint32_t>(v);
                              return true;
                          }});
    // The current wording of the program's own texts, numbered from 0 (the
    // message file's line 62 + k), for the language files' maintenance.
    addField("AddedTextCount", {[] { return std::to_string(kAddedTextCount); }, {}});
    for (int k = 0; k < kAddedTextCount; ++k) {
        const auto id = static_cast<AddedText>(kDesignedMessageCount + k);
        addField("AddedTexts[" + std::to_string(k) + "]", {[this, id] { return msg(id); }, {}});
    }
    addField("Datum1", dayField(Datum1));
    addField("aktDatum", dayField(aktDatum));
    addField("dfb", dayField(dfb));
    addField("Position", intField(Position));
    addField("Gewinn", intField(Gewinn));
    addField("LaufMax", Field{[this] { return std::to_string(LaufMax); },
                              [this](const std::string& s) {
                                  const auto i = parseInt64(s);
                                  if (i) LaufMax = *i;
                                  return i.has_value();
                              }});
    addField("sprache", intField(sprache));
    addField("groesse", intField(groesse));
    addField("neuerSchein", intField(neuerSchein));
    addField("LosNr", {[this] { return LosNr; },
                       [this](const std::string& s) {
                           LosNr = s;
                           Losnummer->setCaption(s);
                           return true;
                       }});
    addField("Land", intField(Land));
    addField("TippTop", intField(TippTop));
    addField("TippLeft", intField(TippLeft));
    addField("WindowState", {[this] { return std::to_string(static_cast<int>(windowState)); },
                             [this](const std::string& s) {
                                 const auto i = parseInt(s);
                                 if (!i || *i < 0 || *i > 2) return false;
                                 windowState = static_cast<WindowState>(*i);
                                 return true;
                             }});
    addField("Height", clientSizeField(*this, true));
    addField("Width", clientSizeField(*this, false));
    addField("Zusatz", boolField(Zusatz));
    addField("sortieren", boolField(sortieren));
    addField("Berechnunglaeuft", boolField(Berechnunglaeuft));
    addField("Home", textField(Home));
    addField("ZahlenFile", textField(ZahlenFile));
    addField("SoundName", textField(SoundName));
    addField("Tippsberechnen", textField(Tippsberechnen));
}

}  // namespace kugel
