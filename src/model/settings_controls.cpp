#include "model/settings_controls.h"

#include "controls/builder.h"
#include "model/main_window.h"

namespace kugel {
namespace {

// Where a check box's caption starts, measured from the box's left edge
// (indicator and gap). The edits that sit in the blank runs of a caption are
// placed from it.
constexpr int kBoxTextOffset = 20;
// Where the blank runs in the captions that carry edits begin, in pixels
// from the caption's start at the window's 13 px Arial. Each run is about
// 50 px wide (14 blanks), so an edit of 32 px with its arrows fits inside.
constexpr int kCheckBox9Gap = 124;
constexpr int kCheckBox28FirstGap = 93;
constexpr int kCheckBox28SecondGap = 246;
constexpr int kInCaptionEditWidth = 32;
constexpr int kSumFromGap = 103;  // 65 px of blanks
constexpr int kSumToGap = 185;    // 76 px of blanks

constexpr int kLabelHeight = 17;
constexpr int kEditHeight = 21;
constexpr int kTwoLines = 32;

const char* const kPercentHint =
    "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen";
const char* const kHistoryHint =
    "Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  aus deer "
    "Diagrammübersicht";
const char* const kPreviousDrawHint = "Übereinstimmung mit Zahlen aus vorhergehender Ziehung";

// A check box on one line at `top`.
CheckBox& box(Builder& b, const char* name, Component* page, int left, int top, int width,
              const char* caption, bool checked, const char* hint = "") {
    return b.checkBox(name, page, {left, top, width, kLabelHeight}, caption, checked, hint);
}

// An edit with its up-down whose top is aligned with a line of text at `top`.
UpDown& spin(Builder& b, const char* edit, const char* upDown, Component* page, int left, int top,
             int width, int min, int max, int position, Edit** editOut, const char* hint = "") {
    Edit& e = b.edit(edit, page, {left, top - 2, width, kEditHeight}, "", hint);
    *editOut = &e;
    return b.upDown(upDown, e, min, max, position);
}

Button& chartButton(Builder& b, const char* name, Component* parent, int left, int top,
                    const char* handler) {
    Button& button = b.button(name, Kind::SpeedButton, parent, {left, top, 24, 24}, "");
    button.bindEvent("OnClick", handler);
    return button;
}

void buildStatisticalPage(TForm1& form, Builder& b) {
    SettingsControls& s = form.settings;
    Component* page = form.TabSheet8;
    b.label("StatistischTitel", page, {8, 8, 400, kLabelHeight},
            "Zahlen für die Tipps über Statistik bevorzugen");

    constexpr int kSpinLeft = 380;
    constexpr int kRareLeft = 380;
    constexpr int kButtonLeft = 485;
    struct Percent {
        const char* box;
        const char* caption;
        bool checked;
        const char* edit;
        const char* upDown;
        int position;
        const char* percentLabel;
        CheckBox** boxOut;
        Edit** editOut;
        UpDown** upDownOut;
    };
    const Percent percents[] = {
        {"CheckBox2", "Zahlen die besonders oft gezogen wurden bevorzugen", false, "Edit85",
         "UpDown12", 30, "ProzentLabel1", &s.CheckBox2, &s.Edit85, &s.UpDown12},
        {"CheckBox14", "Zahlen die besonders selten gezogen wurden bevorzugen", false, "Edit87",
         "UpDown14", 20, "ProzentLabel2", &s.CheckBox14, &s.Edit87, &s.UpDown14},
        {"CheckBox10", "Zahlen die am längsten überfällig sind", true, "Edit86", "UpDown13", 30,
         "ProzentLabel3", &s.CheckBox10, &s.Edit86, &s.UpDown13},
    };
    int top = 38;
    for (const Percent& p : percents) {
        *p.boxOut = &box(b, p.box, page, 8, top, 360, p.caption, p.checked);
        *p.upDownOut = &spin(b, p.edit, p.upDown, page, kSpinLeft, top, 34, 5, 75, p.position,
                             p.editOut, kPercentHint);
        b.label(p.percentLabel, page, {kSpinLeft + 34 + 16 + 4, top, 16, kLabelHeight}, "%");
        top += 28;
    }
    s.SpeedButton26 = &chartButton(b, "SpeedButton26", page, kButtonLeft, 34, "SpeedButton26Click");
    s.SpeedButton22 = &chartButton(b, "SpeedButton22", page, kButtonLeft, 90, "Button5Click");

    struct Group {
        const char* box;
        const char* caption;
        const char* rare;
        CheckBox** boxOut;
        CheckBox** rareOut;
    };
    const Group groups[] = {
        {"CheckBox1", "Zahlen mit einer häufigen Paarebildung bevorzugen", "CheckBox11",
         &s.CheckBox1, &s.CheckBox11},
        {"CheckBox6", "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen", "CheckBox12",
         &s.CheckBox6, &s.CheckBox12},
        {"CheckBox7", "Zahlen mit einer häufigen Viergruppenbildung bevorzugen", "CheckBox13",
         &s.CheckBox7, &s.CheckBox13},
    };
    top = 128;
    for (const Group& g : groups) {
        *g.boxOut = &box(b, g.box, page, 8, top, 366, g.caption, false);
        *g.rareOut = &box(b, g.rare, page, kRareLeft, top, 90, "seltensten", false);
        top += 28;
    }
    s.SpeedButton23 = &chartButton(b, "SpeedButton23", page, kButtonLeft, 124, "Label89Click");
    s.SpeedButton24 = &chartButton(b, "SpeedButton24", page, kButtonLeft, 152, "Label91Click");
    s.SpeedButton25 = &chartButton(b, "SpeedButton25", page, kButtonLeft, 180, "Label90Click");

    s.CheckBox19 = &box(b, "CheckBox19", page, 8, 218, 340,
                        "benachbarte Zahlen der letzten Ziehung bevorzugen", false);
    b.label("ProzentErklaerung", page, {8, 256, 500, kTwoLines},
            "Für die Tippberechnung werden die jeweils ersten x% verwendet. (z.B. bis 30% vom "
            "Maximum)");
}

void buildOptimisationPage(TForm1& form, Builder& b) {
    SettingsControls& s = form.settings;
    Component* page = form.TabSheet9;
    constexpr int kSpinLeft = 400;

    s.CheckBox3 = &box(b, "CheckBox3", page, 8, 14, 320,
                       "maximale Übereinstimmungen mit anderen Tipps:", true);
    s.UpDown3 = &spin(b, "Edit39", "UpDown3", page, kSpinLeft, 14, 30, 0, 5, 2, &s.Edit39);
    s.CheckBox24 = &box(b, "CheckBox24", page, 8, 41, 320,
                        "minimale Übereinstimmungen mit anderen Tipps:", true);
    s.UpDown9 = &spin(b, "Edit88", "UpDown9", page, kSpinLeft, 41, 30, 0, 5, 1, &s.Edit88);
    s.CheckBox27 = &box(b, "CheckBox27", page, 8, 68, 440,
                        "Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden", true);

    // The edits of the two history tests stand in the blank runs of the
    // captions, so each sentence reads with its numbers in place.
    s.CheckBox9 = &box(b, "CheckBox9", page, 8, 102, 410,
                       "Tipp darf noch keinen              er aus der Datenbank entsprechen", true,
                       kHistoryHint);
    s.UpDown6 =
        &spin(b, "Edit42", "UpDown6", page, 8 + kBoxTextOffset + kCheckBox9Gap + 1, 102,
              kInCaptionEditWidth, 3, 7, 4, &s.Edit42,
              "Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden");
    s.CheckBox28 =
        &box(b, "CheckBox28", page, 8, 131, 425,
             "Tipp darf keinen              er aus den letzten              Ziehungen sein", true,
             kHistoryHint);
    s.UpDown17 =
        &spin(b, "Edit91", "UpDown17", page, 8 + kBoxTextOffset + kCheckBox28FirstGap + 1, 131,
              kInCaptionEditWidth, 2, 6, 3, &s.Edit91,
              "Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen");
    s.UpDown18 =
        &spin(b, "Edit92", "UpDown18", page, 8 + kBoxTextOffset + kCheckBox28SecondGap + 1, 131,
              kInCaptionEditWidth, 4, 128, 60, &s.Edit92,
              "Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen");

    s.CheckBox4 =
        &box(b, "CheckBox4", page, 8, 167, 386,
             "maximale Übereinstimmung mit der letzten Ziehung zulassen:", true, kPreviousDrawHint);
    s.UpDown4 = &spin(b, "Edit40", "UpDown4", page, kSpinLeft, 167, 30, 0, 5, 0, &s.Edit40);
    s.CheckBox5 = &box(b, "CheckBox5", page, 8, 194, 388,
                       "maximale Übereinstimmung mit Zahlen der vorletzten Ziehung:", true,
                       kPreviousDrawHint);
    s.UpDown5 = &spin(b, "Edit41", "UpDown5", page, kSpinLeft, 194, 30, 0, 5, 0, &s.Edit41);
    s.CheckBox23 =
        &box(b, "CheckBox23", page, 8, 221, 386,
             "maximale Übereinstimmung mit der vorvorletzten Ziehung:", true, kPreviousDrawHint);
    s.UpDown11 = &spin(b, "Edit84", "UpDown11", page, kSpinLeft, 221, 30, 0, 5, 0, &s.Edit84);

    s.CheckBox31 = &box(b, "CheckBox31", page, 8, 257, 390,
                        "Powerball in Übereinstimmungsberechnung mit einbeziehen!", true);
    s.CheckBox29 =
        &box(b, "CheckBox29", page, 8, 284, 430,
             "vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) ", false);
    s.CheckBox30 = &box(
        b, "CheckBox30", page, 8, 311, 500,
        "Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  selterner im Tipp enthalten", false);
}

void buildMathematicalPage(TForm1& form, Builder& b) {
    SettingsControls& s = form.settings;
    Component* page = form.TabSheet7;
    constexpr int kSpinLeft = 340;
    b.label("MathematischTitel", page, {8, 8, 400, kLabelHeight},
            "Diese Bedingungen werden in jeder Tippreihe berücksichtigt");

    b.label("QuersummenLabel", page, {8, 40, 400, kLabelHeight},
            "Quersummen von                  bis                     im Tipp zulassen");
    s.UpDown1 =
        &spin(b, "Edit37", "UpDown1", page, 8 + kSumFromGap + 4, 40, 40, 21, 279, 50, &s.Edit37);
    s.UpDown2 =
        &spin(b, "Edit38", "UpDown2", page, 8 + kSumToGap + 10, 40, 40, 21, 239, 200, &s.Edit38);
    s.Label88 = &b.label(
        "Label88", page, {8, 68, 500, kTwoLines},
        "Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im Diagramm unter QS  ");
    s.Label88->bindEvent("OnClick", "Label88Click");

    s.CheckBox22 =
        &box(b, "CheckBox22", page, 8, 112, 310, "mindest Anzahl der Primzahlen pro Tipp", false);
    s.UpDown10 = &spin(b, "Edit83", "UpDown10", page, kSpinLeft, 112, 30, 0, 6, 2, &s.Edit83);
    s.CheckBox25 = &box(b, "CheckBox25", page, 8, 139, 316,
                        "mindest Anzahl der gerade Zahlen in jedem Tipp", false);
    s.UpDown15 = &spin(b, "Edit89", "UpDown15", page, kSpinLeft, 139, 30, 0, 6, 2, &s.Edit89);
    s.CheckBox26 = &box(b, "CheckBox26", page, 8, 166, 320,
                        "mindestAnzahl der ungerade Zahlen in jedem Tipp", false);
    s.UpDown16 = &spin(b, "Edit90", "UpDown16", page, kSpinLeft, 166, 30, 0, 6, 2, &s.Edit90);

    s.CheckBox8 =
        &box(b, "CheckBox8", page, 8, 202, 250, "eine Paarbildung pro Tipp erzwingen", false);
    s.Label89 =
        &b.label("Label89", page, {26, 224, 490, kLabelHeight},
                 "Paare entstehen meist automatisch, aber hier können Sie auch erzwungen werden.");
    s.Label89->bindEvent("OnClick", "Label89Click");
    s.CheckBox18 =
        &box(b, "CheckBox18", page, 8, 258, 230, "keine Dreier, Vierer... Gruppen", true);
    s.Label91 = &b.label("Label91", page, {26, 280, 44, kLabelHeight}, "Dreier, ");
    s.Label91->bindEvent("OnClick", "Label91Click");
    s.Label90 = &b.label("Label90", page, {70, 280, 440, kTwoLines},
                         "Vierer ... (3-4-5  oder 28-29-30-31) entstehen relativ selten, können "
                         "hier ganz verhindert werden");
    s.Label90->bindEvent("OnClick", "Label90Click");
}

void buildPowerballPage(TForm1& form, Builder& b) {
    SettingsControls& s = form.settings;
    Component* page = form.TabSheet11;
    b.label("PowerballTitel", page, {8, 8, 400, kLabelHeight},
            "Berechnungsoptionen für  den Powerball");

    s.RadioGroup1 =
        &b.panel("RadioGroup1", page, {8, 34, 500, 108}, "Powerball Option", Kind::RadioGroup);
    Component* group = s.RadioGroup1;
    s.RadioButton1 = &b.radioButton("RadioButton1", group, {12, 22, 360, kLabelHeight},
                                    "einfach per Zufall bestimmen", true);
    s.RadioButton2 = &b.radioButton("RadioButton2", group, {12, 50, 360, kLabelHeight},
                                    "die am seltensten gezogen Powerball Zahl verwenden");
    s.RadioButton3 = &b.radioButton("RadioButton3", group, {12, 78, 360, kLabelHeight},
                                    "die am längsten ausstehende Powerball Zahl verwenden");
    for (CheckBox* r : {s.RadioButton1, s.RadioButton2, s.RadioButton3})
        r->bindEvent("OnClick", r->name() + "Click");
    s.Superselten = &chartButton(b, "Superselten", group, 464, 46, "SuperseltenClick");
    s.SuperAus = &chartButton(b, "SuperAus", group, 464, 74, "SuperAusClick");

    s.CheckBox16 = &box(b, "CheckBox16", page, 8, 160, 310,
                        "keine Powerball Zahl aus den letzten Ziehungen", true);
    s.UpDown19 = &spin(b, "Edit105", "UpDown19", page, 330, 160, 30, 1, 25, 15, &s.Edit105);
}

void buildGeneralPage(TForm1& form, Builder& b) {
    SettingsControls& s = form.settings;
    Component* page = form.TabSheet10;
    b.label("AllgemeinTitel", page, {8, 8, 400, kLabelHeight}, "Allgemeine Berechnungsoptionen");
    s.CheckBox15 = &box(b, "CheckBox15", page, 8, 38, 310,
                        "für den Tipp nur bevorzugte Zahlen verwenden!", false);
    s.CheckBox20 = &box(b, "CheckBox20", page, 8, 65, 360,
                        "Liste für Zahlenreihengenerierung anzeigen / bearbeiten", false);
    b.label("LaeufeLabel", page, {8, 104, 172, kLabelHeight}, "Maximale Berechnungsläufe");
    s.UpDown7 = &spin(b, "Edit55", "UpDown7", page, 184, 104, 50, 1, 30000, 50, &s.Edit55);
    s.UpDown7->bindEvent("OnChanging", "UpDown7Changing");
    b.label("TausendLabel", page, {256, 104, 60, kLabelHeight}, "Tausend");
    b.label("LaeufeErklaerung", page, {8, 140, 500, kTwoLines},
            "Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit Ihren Einstellungen "
            "nicht alle Reihen berechnet werden konnten. ");
}

}  // namespace

void buildSettingsControls(TForm1& form, Builder& b) {
    buildStatisticalPage(form, b);
    buildOptimisationPage(form, b);
    buildMathematicalPage(form, b);
    buildPowerballPage(form, b);
    buildGeneralPage(form, b);

    // Coupled limits: the even and odd minimums stay within six together and
    // the overlap minimum within the maximum, as far as the arrows are used.
    SettingsControls& s = form.settings;
    s.UpDown15->bindEvent("OnMouseDown", "UpDown15MouseDown");
    s.UpDown15->bindEvent("OnMouseUp", "UpDown15MouseUp");
    s.UpDown16->bindEvent("OnMouseDown", "UpDown16MouseDown");
    s.UpDown16->bindEvent("OnMouseUp", "UpDown16MouseUp");
    s.UpDown3->bindEvent("OnMouseDown", "UpDown3MouseDown");
    s.UpDown9->bindEvent("OnMouseUp", "UpDown9MouseUp");
}

}  // namespace kugel
