#include "model/settings_controls.h"

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

// The five pages of PageControl2.
const char* const kStatistical = "TabSheet8";
const char* const kOptimisation = "TabSheet9";
const char* const kMathematical = "TabSheet7";
const char* const kPowerball = "TabSheet11";
const char* const kGeneral = "TabSheet10";

const char* const kPercentHint =
    "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen";
const char* const kHistoryHint =
    "Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  aus deer "
    "Diagrammübersicht";
const char* const kPreviousDrawHint = "Übereinstimmung mit Zahlen aus vorhergehender Ziehung";

ControlRow label(const char* name, const char* page, Bounds b, const char* caption,
                 std::vector<EventBinding> events = {}) {
    return {.kind = Kind::Label,
            .name = name,
            .parent = page,
            .bounds = b,
            .caption = caption,
            .events = std::move(events)};
}

// A stored check box on one line at `top`.
ControlRow box(const char* name, const char* page, int left, int top, int width,
               const char* caption, bool checked, const char* hint = "") {
    return {.kind = Kind::CheckBox,
            .name = name,
            .parent = page,
            .bounds = {left, top, width, kLabelHeight},
            .caption = caption,
            .hint = hint,
            .checked = checked,
            .stored = Stored::Yes};
}

// The edit of an up-down, its top aligned with a line of text at `top`.
ControlRow spinEdit(const char* name, const char* page, int left, int top, int width,
                    const char* hint = "") {
    return {.kind = Kind::Edit,
            .name = name,
            .parent = page,
            .bounds = {left, top - 2, width, kEditHeight},
            .hint = hint,
            .stored = Stored::WithUpDown};
}

// A stored up-down at the right edge of its edit.
ControlRow upDown(const char* name, const char* edit, int min, int max, int position,
                  std::vector<EventBinding> events = {}) {
    return {.kind = Kind::UpDown,
            .name = name,
            .associate = edit,
            .min = min,
            .max = max,
            .position = position,
            .events = std::move(events),
            .stored = Stored::Yes};
}

ControlRow chartButton(const char* name, const char* parent, int left, int top,
                       const char* handler) {
    return {.kind = Kind::SpeedButton,
            .name = name,
            .parent = parent,
            .bounds = {left, top, 24, 24},
            .events = {{"OnClick", handler}}};
}

ControlRow radioButton(const char* name, int top, const char* caption, bool checked = false) {
    return {.kind = Kind::RadioButton,
            .name = name,
            .parent = "RadioGroup1",
            .bounds = {12, top, 360, kLabelHeight},
            .caption = caption,
            .checked = checked,
            .events = {{"OnClick", std::string(name) + "Click"}},
            .stored = Stored::Yes};
}

// "Statistisch": preferred numbers, the percentages in a column at
// kSpinLeft, one line every kPitch.
ControlRows statisticalPage() {
    constexpr int kSpinLeft = 380;
    constexpr int kPercentLeft = kSpinLeft + 34 + 16 + 4;
    constexpr int kRareLeft = 380;
    constexpr int kButtonLeft = 485;
    constexpr int kPitch = 28;
    constexpr int kPercents = 38;
    constexpr int kGroups = 128;
    const char* const page = kStatistical;
    return {
        label("StatistischTitel", page, {8, 8, 400, kLabelHeight},
              "Zahlen für die Tipps über Statistik bevorzugen"),

        box("CheckBox2", page, 8, kPercents, 360,
            "Zahlen die besonders oft gezogen wurden bevorzugen", false),
        spinEdit("Edit85", page, kSpinLeft, kPercents, 34, kPercentHint),
        upDown("UpDown12", "Edit85", 5, 75, 30),
        label("ProzentLabel1", page, {kPercentLeft, kPercents, 16, kLabelHeight}, "%"),
        box("CheckBox14", page, 8, kPercents + kPitch, 360,
            "Zahlen die besonders selten gezogen wurden bevorzugen", false),
        spinEdit("Edit87", page, kSpinLeft, kPercents + kPitch, 34, kPercentHint),
        upDown("UpDown14", "Edit87", 5, 75, 20),
        label("ProzentLabel2", page, {kPercentLeft, kPercents + kPitch, 16, kLabelHeight}, "%"),
        box("CheckBox10", page, 8, kPercents + 2 * kPitch, 360,
            "Zahlen die am längsten überfällig sind", true),
        spinEdit("Edit86", page, kSpinLeft, kPercents + 2 * kPitch, 34, kPercentHint),
        upDown("UpDown13", "Edit86", 5, 75, 30),
        label("ProzentLabel3", page, {kPercentLeft, kPercents + 2 * kPitch, 16, kLabelHeight}, "%"),
        chartButton("SpeedButton26", page, kButtonLeft, 34, "SpeedButton26Click"),
        chartButton("SpeedButton22", page, kButtonLeft, 90, "Button5Click"),

        box("CheckBox1", page, 8, kGroups, 366, "Zahlen mit einer häufigen Paarebildung bevorzugen",
            false),
        box("CheckBox11", page, kRareLeft, kGroups, 90, "seltensten", false),
        box("CheckBox6", page, 8, kGroups + kPitch, 366,
            "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen", false),
        box("CheckBox12", page, kRareLeft, kGroups + kPitch, 90, "seltensten", false),
        box("CheckBox7", page, 8, kGroups + 2 * kPitch, 366,
            "Zahlen mit einer häufigen Viergruppenbildung bevorzugen", false),
        box("CheckBox13", page, kRareLeft, kGroups + 2 * kPitch, 90, "seltensten", false),
        chartButton("SpeedButton23", page, kButtonLeft, 124, "Label89Click"),
        chartButton("SpeedButton24", page, kButtonLeft, 152, "Label91Click"),
        chartButton("SpeedButton25", page, kButtonLeft, 180, "Label90Click"),

        box("CheckBox19", page, 8, 218, 340, "benachbarte Zahlen der letzten Ziehung bevorzugen",
            false),
        label("ProzentErklaerung", page, {8, 256, 500, kTwoLines},
              "Für die Tippberechnung werden die jeweils ersten x% verwendet. (z.B. bis 30% vom "
              "Maximum)"),
    };
}

// "Schein Optimierung": overlaps with the other rows and with the history.
ControlRows optimisationPage() {
    constexpr int kSpinLeft = 400;
    // The edits of the two history tests stand in the blank runs of the
    // captions, so each sentence reads with its numbers in place.
    constexpr int kCheckBox9Edit = 8 + kBoxTextOffset + kCheckBox9Gap + 1;
    constexpr int kCheckBox28FirstEdit = 8 + kBoxTextOffset + kCheckBox28FirstGap + 1;
    constexpr int kCheckBox28SecondEdit = 8 + kBoxTextOffset + kCheckBox28SecondGap + 1;
    const char* const page = kOptimisation;
    return {
        box("CheckBox3", page, 8, 14, 320, "maximale Übereinstimmungen mit anderen Tipps:", true),
        spinEdit("Edit39", page, kSpinLeft, 14, 30),
        upDown("UpDown3", "Edit39", 0, 5, 2, {{"OnMouseDown", "UpDown3MouseDown"}}),
        box("CheckBox24", page, 8, 41, 320, "minimale Übereinstimmungen mit anderen Tipps:", true),
        spinEdit("Edit88", page, kSpinLeft, 41, 30),
        upDown("UpDown9", "Edit88", 0, 5, 1, {{"OnMouseUp", "UpDown9MouseUp"}}),
        box("CheckBox27", page, 8, 68, 440,
            "Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden", true),

        box("CheckBox9", page, 8, 102, 410,
            "Tipp darf noch keinen              er aus der Datenbank entsprechen", true,
            kHistoryHint),
        spinEdit("Edit42", page, kCheckBox9Edit, 102, kInCaptionEditWidth,
                 "Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden"),
        upDown("UpDown6", "Edit42", 3, 7, 4),
        box("CheckBox28", page, 8, 131, 425,
            "Tipp darf keinen              er aus den letzten              Ziehungen sein", true,
            kHistoryHint),
        spinEdit("Edit91", page, kCheckBox28FirstEdit, 131, kInCaptionEditWidth,
                 "Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen"),
        upDown("UpDown17", "Edit91", 2, 6, 3),
        spinEdit("Edit92", page, kCheckBox28SecondEdit, 131, kInCaptionEditWidth,
                 "Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen"),
        upDown("UpDown18", "Edit92", 4, 128, 60),

        box("CheckBox4", page, 8, 167, 386,
            "maximale Übereinstimmung mit der letzten Ziehung zulassen:", true, kPreviousDrawHint),
        spinEdit("Edit40", page, kSpinLeft, 167, 30),
        upDown("UpDown4", "Edit40", 0, 5, 0),
        box("CheckBox5", page, 8, 194, 388,
            "maximale Übereinstimmung mit Zahlen der vorletzten Ziehung:", true, kPreviousDrawHint),
        spinEdit("Edit41", page, kSpinLeft, 194, 30),
        upDown("UpDown5", "Edit41", 0, 5, 0),
        box("CheckBox23", page, 8, 221, 386,
            "maximale Übereinstimmung mit der vorvorletzten Ziehung:", true, kPreviousDrawHint),
        spinEdit("Edit84", page, kSpinLeft, 221, 30),
        upDown("UpDown11", "Edit84", 0, 5, 0),

        box("CheckBox31", page, 8, 257, 390,
            "Powerball in Übereinstimmungsberechnung mit einbeziehen!", true),
        box("CheckBox29", page, 8, 284, 430,
            "vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) ", false),
        box("CheckBox30", page, 8, 311, 500,
            "Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  selterner im Tipp enthalten",
            false),
    };
}

// "Mathematisch": conditions every row meets. The even and odd minimums stay
// within six together as far as the arrows are used.
ControlRows mathematicalPage() {
    constexpr int kSpinLeft = 340;
    const char* const page = kMathematical;
    return {
        label("MathematischTitel", page, {8, 8, 400, kLabelHeight},
              "Diese Bedingungen werden in jeder Tippreihe berücksichtigt"),

        label("QuersummenLabel", page, {8, 40, 400, kLabelHeight},
              "Quersummen von                  bis                     im Tipp zulassen"),
        spinEdit("Edit37", page, 8 + kSumFromGap + 4, 40, 40),
        upDown("UpDown1", "Edit37", 21, 279, 50),
        spinEdit("Edit38", page, 8 + kSumToGap + 10, 40, 40),
        upDown("UpDown2", "Edit38", 21, 239, 200),
        label("Label88", page, {8, 68, 500, kTwoLines},
              "Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im Diagramm unter QS  ",
              {{"OnClick", "Label88Click"}}),

        box("CheckBox22", page, 8, 112, 310, "mindest Anzahl der Primzahlen pro Tipp", false),
        spinEdit("Edit83", page, kSpinLeft, 112, 30),
        upDown("UpDown10", "Edit83", 0, 6, 2),
        box("CheckBox25", page, 8, 139, 316, "mindest Anzahl der gerade Zahlen in jedem Tipp",
            false),
        spinEdit("Edit89", page, kSpinLeft, 139, 30),
        upDown("UpDown15", "Edit89", 0, 6, 2,
               {{"OnMouseDown", "UpDown15MouseDown"}, {"OnMouseUp", "UpDown15MouseUp"}}),
        box("CheckBox26", page, 8, 166, 320, "mindestAnzahl der ungerade Zahlen in jedem Tipp",
            false),
        spinEdit("Edit90", page, kSpinLeft, 166, 30),
        upDown("UpDown16", "Edit90", 0, 6, 2,
               {{"OnMouseDown", "UpDown16MouseDown"}, {"OnMouseUp", "UpDown16MouseUp"}}),

        box("CheckBox8", page, 8, 202, 250, "eine Paarbildung pro Tipp erzwingen", false),
        label("Label89", page, {26, 224, 490, kLabelHeight},
              "Paare entstehen meist automatisch, aber hier können Sie auch erzwungen werden.",
              {{"OnClick", "Label89Click"}}),
        box("CheckBox18", page, 8, 258, 230, "keine Dreier, Vierer... Gruppen", true),
        label("Label91", page, {26, 280, 44, kLabelHeight}, "Dreier, ",
              {{"OnClick", "Label91Click"}}),
        label("Label90", page, {70, 280, 440, kTwoLines},
              "Vierer ... (3-4-5  oder 28-29-30-31) entstehen relativ selten, können hier ganz "
              "verhindert werden",
              {{"OnClick", "Label90Click"}}),
    };
}

ControlRows powerballPage() {
    const char* const page = kPowerball;
    return {
        label("PowerballTitel", page, {8, 8, 400, kLabelHeight},
              "Berechnungsoptionen für  den Powerball"),
        {.kind = Kind::RadioGroup,
         .name = "RadioGroup1",
         .parent = page,
         .bounds = {8, 34, 500, 108},
         .caption = "Powerball Option",
         .frameOnly = true},
        radioButton("RadioButton1", 22, "einfach per Zufall bestimmen", true),
        radioButton("RadioButton2", 50, "die am seltensten gezogen Powerball Zahl verwenden"),
        radioButton("RadioButton3", 78, "die am längsten ausstehende Powerball Zahl verwenden"),
        chartButton("Superselten", "RadioGroup1", 464, 46, "SuperseltenClick"),
        chartButton("SuperAus", "RadioGroup1", 464, 74, "SuperAusClick"),

        box("CheckBox16", page, 8, 160, 310, "keine Powerball Zahl aus den letzten Ziehungen",
            true),
        spinEdit("Edit105", page, 330, 160, 30),
        upDown("UpDown19", "Edit105", 1, 25, 15),
    };
}

ControlRows generalPage() {
    const char* const page = kGeneral;
    return {
        label("AllgemeinTitel", page, {8, 8, 400, kLabelHeight}, "Allgemeine Berechnungsoptionen"),
        box("CheckBox15", page, 8, 38, 310, "für den Tipp nur bevorzugte Zahlen verwenden!", false),
        box("CheckBox20", page, 8, 65, 360,
            "Liste für Zahlenreihengenerierung anzeigen / bearbeiten", false),
        label("LaeufeLabel", page, {8, 104, 172, kLabelHeight}, "Maximale Berechnungsläufe"),
        spinEdit("Edit55", page, 184, 104, 50),
        upDown("UpDown7", "Edit55", 1, 30000, 50, {{"OnChanging", "UpDown7Changing"}}),
        label("TausendLabel", page, {256, 104, 60, kLabelHeight}, "Tausend"),
        label("LaeufeErklaerung", page, {8, 140, 500, kTwoLines},
              "Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit Ihren "
              "Einstellungen nicht alle Reihen berechnet werden konnten. "),
    };
}

}  // namespace

const ControlRows& settingsPageRows() {
    static const ControlRows rows =
        concatenate({statisticalPage(), optimisationPage(), mathematicalPage(), powerballPage(),
                     generalPage()});
    return rows;
}

void bindSettingsControls(TForm1& form) {
    SettingsControls& s = form.settings;
    bindMember(form, "CheckBox2", s.CheckBox2);
    bindMember(form, "Edit85", s.Edit85);
    bindMember(form, "UpDown12", s.UpDown12);
    bindMember(form, "CheckBox14", s.CheckBox14);
    bindMember(form, "Edit87", s.Edit87);
    bindMember(form, "UpDown14", s.UpDown14);
    bindMember(form, "CheckBox10", s.CheckBox10);
    bindMember(form, "Edit86", s.Edit86);
    bindMember(form, "UpDown13", s.UpDown13);
    bindMember(form, "CheckBox1", s.CheckBox1);
    bindMember(form, "CheckBox11", s.CheckBox11);
    bindMember(form, "CheckBox6", s.CheckBox6);
    bindMember(form, "CheckBox12", s.CheckBox12);
    bindMember(form, "CheckBox7", s.CheckBox7);
    bindMember(form, "CheckBox13", s.CheckBox13);
    bindMember(form, "CheckBox19", s.CheckBox19);
    bindMember(form, "SpeedButton26", s.SpeedButton26);
    bindMember(form, "SpeedButton22", s.SpeedButton22);
    bindMember(form, "SpeedButton23", s.SpeedButton23);
    bindMember(form, "SpeedButton24", s.SpeedButton24);
    bindMember(form, "SpeedButton25", s.SpeedButton25);

    bindMember(form, "CheckBox3", s.CheckBox3);
    bindMember(form, "Edit39", s.Edit39);
    bindMember(form, "UpDown3", s.UpDown3);
    bindMember(form, "CheckBox24", s.CheckBox24);
    bindMember(form, "Edit88", s.Edit88);
    bindMember(form, "UpDown9", s.UpDown9);
    bindMember(form, "CheckBox27", s.CheckBox27);
    bindMember(form, "CheckBox9", s.CheckBox9);
    bindMember(form, "Edit42", s.Edit42);
    bindMember(form, "UpDown6", s.UpDown6);
    bindMember(form, "CheckBox28", s.CheckBox28);
    bindMember(form, "Edit91", s.Edit91);
    bindMember(form, "UpDown17", s.UpDown17);
    bindMember(form, "Edit92", s.Edit92);
    bindMember(form, "UpDown18", s.UpDown18);
    bindMember(form, "CheckBox4", s.CheckBox4);
    bindMember(form, "Edit40", s.Edit40);
    bindMember(form, "UpDown4", s.UpDown4);
    bindMember(form, "CheckBox5", s.CheckBox5);
    bindMember(form, "Edit41", s.Edit41);
    bindMember(form, "UpDown5", s.UpDown5);
    bindMember(form, "CheckBox23", s.CheckBox23);
    bindMember(form, "Edit84", s.Edit84);
    bindMember(form, "UpDown11", s.UpDown11);
    bindMember(form, "CheckBox31", s.CheckBox31);
    bindMember(form, "CheckBox29", s.CheckBox29);
    bindMember(form, "CheckBox30", s.CheckBox30);

    bindMember(form, "Edit37", s.Edit37);
    bindMember(form, "UpDown1", s.UpDown1);
    bindMember(form, "Edit38", s.Edit38);
    bindMember(form, "UpDown2", s.UpDown2);
    bindMember(form, "CheckBox22", s.CheckBox22);
    bindMember(form, "Edit83", s.Edit83);
    bindMember(form, "UpDown10", s.UpDown10);
    bindMember(form, "CheckBox25", s.CheckBox25);
    bindMember(form, "Edit89", s.Edit89);
    bindMember(form, "UpDown15", s.UpDown15);
    bindMember(form, "CheckBox26", s.CheckBox26);
    bindMember(form, "Edit90", s.Edit90);
    bindMember(form, "UpDown16", s.UpDown16);
    bindMember(form, "CheckBox8", s.CheckBox8);
    bindMember(form, "CheckBox18", s.CheckBox18);
    bindMember(form, "Label88", s.Label88);
    bindMember(form, "Label89", s.Label89);
    bindMember(form, "Label90", s.Label90);
    bindMember(form, "Label91", s.Label91);

    bindMember(form, "RadioGroup1", s.RadioGroup1);
    bindMember(form, "RadioButton1", s.RadioButton1);
    bindMember(form, "RadioButton2", s.RadioButton2);
    bindMember(form, "RadioButton3", s.RadioButton3);
    bindMember(form, "CheckBox16", s.CheckBox16);
    bindMember(form, "Edit105", s.Edit105);
    bindMember(form, "UpDown19", s.UpDown19);
    bindMember(form, "Superselten", s.Superselten);
    bindMember(form, "SuperAus", s.SuperAus);

    bindMember(form, "CheckBox15", s.CheckBox15);
    bindMember(form, "CheckBox20", s.CheckBox20);
    bindMember(form, "Edit55", s.Edit55);
    bindMember(form, "UpDown7", s.UpDown7);
}

}  // namespace kugel
