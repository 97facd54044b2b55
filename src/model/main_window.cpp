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

namespace {

ControlRow menuItem(const char* name, const char* parent, const char* caption,
                    const char* shortCut = "", const char* handler = nullptr) {
    ControlRow row{.kind = Kind::MenuItem,
                   .name = name,
                   .parent = parent,
                   .caption = caption,
                   .shortCut = shortCut};
    if (handler) row.events = {{"OnClick", handler}};
    return row;
}

ControlRow speedButton(const char* name, const char* parent, Bounds b, const char* hint,
                       const char* handler) {
    return {.kind = Kind::SpeedButton,
            .name = name,
            .parent = parent,
            .bounds = b,
            .hint = hint,
            .events = {{"OnClick", handler}}};
}

ControlRow bitBtn(const char* name, const char* parent, Bounds b, const char* caption,
                  const char* hint, const char* handler) {
    return {.kind = Kind::BitBtn,
            .name = name,
            .parent = parent,
            .bounds = b,
            .caption = caption,
            .hint = hint,
            .events = {{"OnClick", handler}}};
}

ControlRow label(const char* name, const char* parent, Bounds b, const char* caption = "") {
    return {.kind = Kind::Label, .name = name, .parent = parent, .bounds = b, .caption = caption};
}

ControlRow tabSheet(const char* name, const char* parent, const char* caption) {
    return {.kind = Kind::TabSheet, .name = name, .parent = parent, .caption = caption};
}

ControlRows menuRows() {
    ControlRows rows = {
        {.kind = Kind::MainMenu, .name = "MainMenu1"},
        menuItem("Aktualisieren1", "MainMenu1", "&Ziehungsdaten laden", "Ctrl+A",
                 "Aktualisieren1Click"),
        menuItem("Berechnen1", "MainMenu1", "&Berechnen", "Ctrl+R", "Label28Click"),
    };
    const ControlRows last = {
        {.kind = Kind::MenuItem,
         .name = "Abgeben1",
         .parent = "MainMenu1",
         .caption = "&Abgeben",
         .shortCut = "Ctrl+G",
         .visible = false,
         .events = {{"OnClick", "OnlineTippClick"}}},
        menuItem("Schlieen1", "MainMenu1", "&Schließen", "", "Schlieen1Click"),
    };
    return concatenate({rows, languageMenuRows(), last});
}

ControlRows pageRows() {
    return {
        {.kind = Kind::PageControl,
         .name = "PageControl1",
         .bounds = {0, 0, kClientWidth, kClientHeight - kStatusHeight}},
        tabSheet("TabSheet1", "PageControl1", "Tipp-Übersicht"),
        {.kind = Kind::TabSheet,
         .name = "TabSheet2",
         .parent = "PageControl1",
         .caption = "Zahlen der letzten Ziehung",
         .tabVisible = false},
        tabSheet("TabSheet6", "PageControl1", "Berechnung"),
        tabSheet("TabSheet5", "PageControl1", "Diagramm"),
        tabSheet("TabSheet4", "PageControl1", "Datenbank"),
        tabSheet("TabSheet3", "PageControl1", "Internet-Optionen"),
    };
}

// The overview page: the draw browser panel above, the ticket, the
// calculation panel below it.
ControlRows overviewRows() {
    const ControlRows browser = {
        {.kind = Kind::Panel,
         .name = "Panel4",
         .parent = "TabSheet1",
         .bounds = {0, 0, kPageWidth, 34}},
        speedButton("SpeedButton6", "Panel4", {4, 5, 24, 24}, "vorhergehende Ziehung anzeigen",
                    "SpeedButton6Click"),
        label("Label35", "Panel4", {32, 9, 262, 17}),
        speedButton("SpeedButton7", "Panel4", {298, 5, 24, 24}, "nächste Ziehung anzeigen",
                    "SpeedButton7Click"),
        label("Label13", "Panel4", {328, 9, 106, 17}, "Quersumme"),
        speedButton("SpeedButton10", "Panel4", {438, 5, 24, 24},
                    "Ziehungsdaten von der Kugelmeister-Webseite laden", "KugelmeisterClick"),
        label("Losnummer", "Panel4", {466, 9, 56, 17}),
        {.kind = Kind::Panel,
         .name = "Panel3",
         .parent = "TabSheet1",
         .bounds = {0, kPageHeight - 42, kPageWidth, 42}},
    };

    // Under the last row: the search, then the hand-over beside the
    // Powerball, sum and hit columns.
    constexpr int kUnderRowsTop = kPageHeight - 42 - 18;
    // The narrow side bars left and right of the rows.
    constexpr int kBarTop = 34;
    constexpr int kBarHeight = kPageHeight - 42 - kBarTop;
    const char* const kVendorHint = "Zur Kugelmeister-Webseite";
    const ControlRows below = {
        // Save and load sit above the row labels, a small tool bar of the
        // ticket; the listing's button ends Panel3, with room left of it for
        // the printer button added later.
        speedButton("SpeedButton15", "TabSheet1", {10, 35, 24, 22}, "Speichern des Tipps",
                    "SpeedButton15Click"),
        speedButton("SpeedButton16", "TabSheet1", {38, 35, 24, 22}, "Tipp laden aus Datei",
                    "SpeedButton16Click"),
        bitBtn("BitBtn7", "Panel3", {414, 7, 106, 28}, "Tipp ausdrucken",
               "Drucken SIe hier die berechneten Tipps aus", "BitBtn7Click"),
        {.kind = Kind::BitBtn,
         .name = "OnlineTipp",
         .parent = "TabSheet1",
         .bounds = {314, kUnderRowsTop, 96, 17},
         .caption = "Tipp &abgeben",
         .hint = "Hier können Sie den Tipp Online abgeben",
         .fontHeight = 11,
         .events = {{"OnClick", "OnlineTippClick"}}},
        {.kind = Kind::BitBtn,
         .name = "Warenkorb",
         .parent = "TabSheet1",
         .bounds = {414, kUnderRowsTop, 100, 17},
         .caption = "Warenkorb / Cart",
         .hint = "Den Tipp in den Warenkorb eines Online-Anbieters legen",
         .fontHeight = 11,
         .events = {{"OnClick", "WarenkorbClick"}}},

        // The side bars' text is the vendor's address, and a click opens
        // its home page.
        {.kind = Kind::Panel,
         .name = "Panel2",
         .parent = "TabSheet1",
         .bounds = {0, kBarTop, 9, kBarHeight},
         .hint = kVendorHint,
         .events = {{"OnClick", "Label43Click"}}},
        {.kind = Kind::Label,
         .name = "Label43",
         .parent = "Panel2",
         .bounds = {0, 0, 9, kBarHeight},
         .hint = kVendorHint,
         .tag = kNoTranslationTag,
         .fontHeight = 8,
         .events = {{"OnClick", "Label43Click"}}},
        {.kind = Kind::Panel,
         .name = "Panel5",
         .parent = "TabSheet1",
         .bounds = {kPageWidth - 10, kBarTop, 10, kBarHeight},
         .hint = kVendorHint,
         .events = {{"OnClick", "Label43Click"}}},
        {.kind = Kind::Label,
         .name = "Label44",
         .parent = "Panel5",
         .bounds = {0, 0, 10, kBarHeight},
         .hint = kVendorHint,
         .tag = kNoTranslationTag,
         .fontHeight = 8,
         .events = {{"OnClick", "Label43Click"}}},

        {.kind = Kind::SpeedButton,
         .name = "SpeedButton4",
         .parent = "TabSheet1",
         .bounds = {194, kUnderRowsTop, 116, 17},
         .caption = "Tipps in DB suchen",
         .hint = "Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde",
         .fontHeight = 11,
         .events = {{"OnClick", "SpeedButton4Click"}}},
    };
    return concatenate({browser, ticketRows(), below});
}

// The hidden page: the message table and controls whose values the
// settings store keeps from run to run under keys of their own.
ControlRows hiddenRows() {
    return {
        {.kind = Kind::Memo,
         .name = "Memo2",
         .parent = "TabSheet2",
         .bounds = {8, 8, 300, 200},
         .visible = false},
        {.kind = Kind::CheckBox,
         .name = "CheckBox21",
         .parent = "TabSheet2",
         .bounds = {320, 8, 120, 17},
         .checked = true,
         .visible = false,
         .stored = Stored::OwnRow},
        {.kind = Kind::Edit,
         .name = "Edit81",
         .parent = "TabSheet2",
         .bounds = {320, 32, 80, 21},
         .visible = false,
         .stored = Stored::OwnRow},
        {.kind = Kind::Edit,
         .name = "Edit82",
         .parent = "TabSheet2",
         .bounds = {320, 58, 80, 21},
         .visible = false,
         .stored = Stored::OwnRow},
    };
}

ControlRows calculationRows() {
    const ControlRows pages = {
        {.kind = Kind::PageControl,
         .name = "PageControl2",
         .parent = "TabSheet6",
         .bounds = {0, 0, kPageWidth, kPageHeight}},
        tabSheet("TabSheet8", "PageControl2", "Statistisch"),
        tabSheet("TabSheet9", "PageControl2", "Schein Optimierung"),
        tabSheet("TabSheet7", "PageControl2", "Mathematisch"),
        tabSheet("TabSheet11", "PageControl2", "Powerball"),
        tabSheet("TabSheet10", "PageControl2", "Allgemein"),
    };
    return concatenate({pages, settingsPageRows()});
}

ControlRows chartRows() {
    const ControlRows rows = {
        {.kind = Kind::Panel,
         .name = "Panel6",
         .parent = "TabSheet5",
         .bounds = {0, 0, kPageWidth, 34}},
        {.kind = Kind::DateTimePicker,
         .name = "DateTimePicker2",
         .parent = "Panel6",
         .bounds = {410, 6, 110, 22},
         .hint = builtInAddedTexts()[AddedText::StatisticsStartHint],
         .minDate = ErsteZiehung,
         .date = ErsteZiehung,
         .stored = Stored::OwnRow},
        {.kind = Kind::Chart,
         .name = "Chart1",
         .parent = "TabSheet5",
         .bounds = {0, 34, kPageWidth, kPageHeight - 34}},
    };
    return concatenate({rows, chartPageRows()});
}

ControlRows databaseRows() {
    // The two analyses replay the history from the date above.
    const char* const analysisHint = "Berechnung und Erfolg beginnend mit dem oben gewählten Datum";
    return {
        label("Label29", "TabSheet4", {8, 12, 316, 17}),
        // The draw shown is not stored: every start shows the newest one.
        {.kind = Kind::DateTimePicker,
         .name = "DateTimePicker1",
         .parent = "TabSheet4",
         .bounds = {8, 38, 110, 22},
         .hint = builtInAddedTexts()[AddedText::EndDateHint],
         .minDate = ErsteZiehung,
         .date = ErsteZiehung,
         .stored = Stored::No},
        speedButton("SpeedButton5", "TabSheet4", {124, 37, 24, 24},
                    "Bewertung des Tipps für die Ziehung des gewählten Datums",
                    "SpeedButton5Click"),
        bitBtn("BitBtn1", "TabSheet4", {8, 78, 190, 28}, "&Datenbank aktualisieren",
               "aktualieren der Datenbank über Internet", "KugelmeisterClick"),
        {.kind = Kind::SpeedButton,
         .name = "SpeedButton8",
         .parent = "TabSheet4",
         .bounds = {204, 80, 24, 24},
         .hint = "Stoppt das Einlesen",
         .visible = false,
         .events = {{"OnClick", "SpeedButton8Click"}}},
        bitBtn("BitBtn2", "TabSheet4", {8, 112, 190, 28}, "Datenbank neu anlegen",
               "Beim neu anlegen der Datenbank, wird mit dem Einlesen bei dem Eingestellten Datum "
               "begonnen. Ein Datum bis 1994 ist möglich.",
               "BitBtn2Click"),
        bitBtn("BitBtn8", "TabSheet4", {8, 158, 92, 28}, "Eingeben",
               "manuelle eingaben der Ziehungsdaten.", "BitBtn8Click"),
        bitBtn("BitBtn6", "TabSheet4", {106, 158, 92, 28}, "Löschen",
               "Löschen der aktuell angezeigten Ziehung", "BitBtn4Click"),
        {.kind = Kind::BitBtn,
         .name = "BitBtn3",
         .parent = "TabSheet4",
         .bounds = {8, 192, 190, 28},
         .caption = "Export nach Text",
         .visible = false,
         .events = {{"OnClick", "BitBtn3Click"}}},
        {.kind = Kind::SaveDialog, .name = "SaveDialog1", .parent = "TabSheet4"},
        {.kind = Kind::OpenDialog, .name = "OpenDialog1", .parent = "TabSheet4"},
        bitBtn("BitBtn9", "TabSheet4", {8, 236, 509, 28},
               "Historische Analyse der Parameter beginnenden mit oben gewähltem Datum",
               analysisHint, "BitBtn9Click"),
        label("Label94", "TabSheet4", {8, 268, 509, 17},
              "Anhand der eingestellten Parameter werden Tipps berechnet und ausgewertet"),
        bitBtn("BitBtn19", "TabSheet4", {8, 300, 509, 28},
               "Historische Analyse beginnend mit dem oben gewähltem Datum", analysisHint,
               "BitBtn19Click"),
        label("Label95", "TabSheet4", {8, 332, 509, 17},
              "War eine Ziehung schon ein 4er oder 5er?"),
    };
}

ControlRows internetRows() {
    // Link labels: the caption is the address a click opens; start-up sets
    // it from the vendor's address. Tag 8 keeps addresses out of translation.
    auto link = [](const char* name, int top) {
        return ControlRow{.kind = Kind::Label,
                          .name = name,
                          .parent = "TabSheet3",
                          .bounds = {28, top + 20, 484, 17},
                          .hint = "Diese Seite im Browser öffnen",
                          .tag = kNoTranslationTag,
                          .fontColor = kLinkColor,
                          .events = {{"OnClick", "Label52Click"}}};
    };
    auto edit = [](const char* name, Bounds b, const char* text = "") {
        return ControlRow{.kind = Kind::Edit,
                          .name = name,
                          .parent = "TabSheet3",
                          .bounds = b,
                          .caption = text,
                          .stored = Stored::OwnRow};
    };
    return {
        label("ProxyHostLabel", "TabSheet3", {12, 20, 90, 17}, "Proxy-Server"),
        edit("ProxyHostEdit", {108, 16, 220, 21}),
        label("ProxyPortLabel", "TabSheet3", {12, 50, 90, 17}, "Proxy-Port"),
        edit("ProxyPortEdit", {108, 46, 64, 21}, "80"),
        {.kind = Kind::Edit,
         .name = "URLEdit",
         .parent = "TabSheet3",
         .bounds = {108, 76, 220, 21},
         .visible = false,
         .stored = Stored::OwnRow},
        label("UpdateLinkHeading", "TabSheet3", {12, 120, 500, 17},
              "Updates und die neueste Version gibt es bei:"),
        link("Label52", 120),
        label("ResultsLinkHeading", "TabSheet3", {12, 170, 500, 17},
              "Die aktuellen Ziehungen und Quoten finden unter:"),
        link("Label54", 170),
        label("ToolLinkHeading", "TabSheet3", {12, 220, 500, 17},
              "Tipps online abgeben mit Quandors Klickwerk:"),
        link("Label56", 220),
    };
}

ControlRows windowEndRows() {
    return {
        {.kind = Kind::StatusBar,
         .name = "StatusBar1",
         .bounds = {0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight}},
        // Reports are composed here before they are saved; it is never shown
        // while they are.
        {.kind = Kind::Memo,
         .name = "RichEdit1",
         .bounds = {8, 40, kPageWidth - 16, kPageHeight - 48},
         .visible = false},
    };
}

ControlRows designedRows() {
    return concatenate({menuRows(), pageRows(), overviewRows(), hiddenRows(), calculationRows(),
                        chartRows(), databaseRows(), internetRows(), windowEndRows()});
}

// Controls the window gained after its design. The language files address
// components by their place in creation order, so these rows come after all
// designed ones: add to the end of this table.
ControlRows addedRows() {
    return {
        // The added commands share one menu: the menu bar is only as wide as
        // the window, and items beyond it would hide behind an overflow arrow.
        menuItem("Extras1", "MainMenu1", "&Extras"),
        menuItem("Drucken1", "Extras1", "&Drucken…", "Ctrl+P", "Drucken1Click"),
        speedButton("DruckButton", "Panel3", {384, 9, 24, 24},
                    "Druckvorschau des Tipps: drucken oder als PDF speichern", "Drucken1Click"),
        menuItem("Gewinnauswertung1", "Extras1", "&Gewinnauswertung", "", "auswertungClick"),
        {.kind = Kind::MenuItem,
         .name = "Gewinnchancen1",
         .parent = "Extras1",
         .caption = "Gewinn&chancen",
         .hint = "Die Gewinnklassen mit ihren genauen Chancen und der erwarteten Auszahlung",
         .events = {{"OnClick", "GewinnchancenClick"}}},
    };
}

}  // namespace

const ControlRows& mainWindowRows() {
    static const ControlRows rows = creationOrder(designedRows(), addedRows());
    return rows;
}

void TForm1::buildWindow() {
    bindEvent("OnShow", "FormShow");
    bindEvent("OnActivate", "FormActivate");
    bindEvent("OnResize", "FormResize");
    bindEvent("OnClose", "FormClose");
    buildControls(*this, mainWindowRows());
    bindControls();

    // What the rows do not hold: the texts, the status panels, the file types.
    Memo2->setLines(defaultMessages());
    StatusBar1->addPanel(150);
    StatusBar1->addPanel(0);
    SaveDialog1->defaultExt = "txt";
    SaveDialog1->filter = "Textdatei|*.txt";
}

void TForm1::bindControls() {
    bindMember(*this, "MainMenu1", MainMenu1);
    bindMember(*this, "Aktualisieren1", Aktualisieren1);
    bindMember(*this, "Berechnen1", Berechnen1);
    bindLanguageMenu(*this);
    bindMember(*this, "Abgeben1", Abgeben1);
    bindMember(*this, "Schlieen1", Schlieen1);
    bindMember(*this, "Extras1", Extras1);
    bindMember(*this, "Drucken1", Drucken1);
    bindMember(*this, "Gewinnauswertung1", Gewinnauswertung1);
    bindMember(*this, "Gewinnchancen1", Gewinnchancen1);

    bindMember(*this, "PageControl1", PageControl1);
    bindMember(*this, "StatusBar1", StatusBar1);
    bindMember(*this, "TabSheet1", TabSheet1);
    bindMember(*this, "TabSheet2", TabSheet2);
    bindMember(*this, "TabSheet6", TabSheet6);
    bindMember(*this, "TabSheet5", TabSheet5);
    bindMember(*this, "TabSheet4", TabSheet4);
    bindMember(*this, "TabSheet3", TabSheet3);

    bindMember(*this, "Panel4", Panel4);
    bindMember(*this, "SpeedButton6", SpeedButton6);
    bindMember(*this, "Label35", Label35);
    bindMember(*this, "SpeedButton7", SpeedButton7);
    bindMember(*this, "Label13", Label13);
    bindMember(*this, "SpeedButton10", SpeedButton10);
    bindMember(*this, "Losnummer", Losnummer);
    bindMember(*this, "Panel3", Panel3);
    bindMember(*this, "SpeedButton4", SpeedButton4);
    bindTicketControls(*this);
    bindMember(*this, "SpeedButton15", SpeedButton15);
    bindMember(*this, "SpeedButton16", SpeedButton16);
    bindMember(*this, "BitBtn7", BitBtn7);
    bindMember(*this, "DruckButton", DruckButton);
    bindMember(*this, "OnlineTipp", OnlineTipp);
    bindMember(*this, "Warenkorb", Warenkorb);
    bindMember(*this, "Panel2", Panel2);
    bindMember(*this, "Label43", Label43);
    bindMember(*this, "Panel5", Panel5);
    bindMember(*this, "Label44", Label44);

    bindMember(*this, "Memo2", Memo2);
    bindMember(*this, "CheckBox21", CheckBox21);
    bindMember(*this, "Edit81", Edit81);
    bindMember(*this, "Edit82", Edit82);
    bindMember(*this, "RichEdit1", RichEdit1);

    bindMember(*this, "PageControl2", PageControl2);
    bindMember(*this, "TabSheet8", TabSheet8);
    bindMember(*this, "TabSheet9", TabSheet9);
    bindMember(*this, "TabSheet7", TabSheet7);
    bindMember(*this, "TabSheet11", TabSheet11);
    bindMember(*this, "TabSheet10", TabSheet10);
    bindSettingsControls(*this);

    bindMember(*this, "Chart1", Chart1);
    bindMember(*this, "Panel6", Panel6);
    bindMember(*this, "DateTimePicker2", DateTimePicker2);
    bindChartPageControls(*this);

    bindMember(*this, "Label29", Label29);
    bindMember(*this, "DateTimePicker1", DateTimePicker1);
    bindMember(*this, "SpeedButton5", SpeedButton5);
    bindMember(*this, "BitBtn1", BitBtn1);
    bindMember(*this, "BitBtn2", BitBtn2);
    bindMember(*this, "BitBtn8", BitBtn8);
    bindMember(*this, "BitBtn6", BitBtn6);
    bindMember(*this, "BitBtn3", BitBtn3);
    bindMember(*this, "SpeedButton8", SpeedButton8);
    bindMember(*this, "SaveDialog1", SaveDialog1);
    bindMember(*this, "OpenDialog1", OpenDialog1);
    bindMember(*this, "BitBtn9", BitBtn9);
    bindMember(*this, "Label94", Label94);
    bindMember(*this, "BitBtn19", BitBtn19);
    bindMember(*this, "Label95", Label95);

    bindMember(*this, "ProxyHostEdit", ProxyHostEdit);
    bindMember(*this, "ProxyPortEdit", ProxyPortEdit);
    bindMember(*this, "URLEdit", URLEdit);
    bindMember(*this, "Label52", Label52);
    bindMember(*this, "Label54", Label54);
    bindMember(*this, "Label56", Label56);
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
