#include "model/chart_page_controls.h"

#include "model/main_window.h"

namespace kugel {
namespace {

// A button of the bar above the chart.
ControlRow barButton(const char* name, int left, int width, const char* caption, const char* hint,
                     const char* handler) {
    return {.kind = Kind::SpeedButton,
            .name = name,
            .parent = "Panel6",
            .bounds = {left, 5, width, 24},
            .caption = caption,
            .hint = hint,
            .events = {{"OnClick", handler}}};
}

// A button of the database page's right column.
ControlRow pageButton(const char* name, int top, const char* caption, const char* hint,
                      const char* handler) {
    return {.kind = Kind::Button,
            .name = name,
            .parent = "TabSheet4",
            .bounds = {330, top, 170, 28},
            .caption = caption,
            .hint = hint,
            .events = {{"OnClick", handler}}};
}

}  // namespace

ControlRows chartPageRows() {
    return {
        barButton("SpeedButton2", 4, 24, "", "Verteilung der gezogenen Zahlen",
                  "SpeedButton2Click"),
        barButton("SpeedButton9", 31, 28, "QS", "", "SpeedButton9Click"),
        barButton("SpeedButton1", 62, 28, "2er", "", "Button2Click"),
        barButton("SpeedButton3", 93, 28, "3er", "", "Button3Click"),
        barButton("SpeedButton12", 124, 28, "4er", "", "Button4Click"),
        barButton("SpeedButton19", 155, 78, "Ausstehende", "", "Button5Click"),
        barButton("SpeedButton20", 236, 64, "Powerball", "", "SuperseltenClick"),
        barButton("SpeedButton21", 303, 98, "Powerball offen",
                  "wie lange sind die einzelnen Sternzahlen überfällig", "Button8Click"),

        pageButton("Button5", 8, "Ausstehende", "Erzeugt die Grafik für die Ausstehenden Zahlen",
                   "Button5Click"),
        pageButton("Button8", 42, "Sternzahl ausstehende",
                   "Welche Sternzahl ist am länsten überfällig", "Button8Click"),
        pageButton("Button2", 76, "Paare suchen",
                   "Erzeugen der Grafik für die Paarbildung der Zahlen", "Button2Click"),
        pageButton("Button3", 110, "Dreier suchen",
                   "Erzeugen der Grafik für die Bildung von Dreiergruppen der Zahlen",
                   "Button3Click"),
        pageButton("Button4", 144, "Vierer suchen",
                   "Erzeugen der Grafik für die Bildung von Viergruppen der Zahlen",
                   "Button4Click"),
    };
}

void bindChartPageControls(TForm1& form) {
    // Bars carry value labels until the first frequency chart switches them
    // off; the statistics draw into Series2, green unless a bar has its own
    // colour.
    Chart& chart = *form.Chart1;
    chart.Series1.marks = true;
    chart.Series2.marks = true;
    chart.Series2.color = clGreen;

    ChartPageControls& c = form.chartPage;
    bindMember(form, "SpeedButton2", c.SpeedButton2);
    bindMember(form, "SpeedButton9", c.SpeedButton9);
    bindMember(form, "SpeedButton1", c.SpeedButton1);
    bindMember(form, "SpeedButton3", c.SpeedButton3);
    bindMember(form, "SpeedButton12", c.SpeedButton12);
    bindMember(form, "SpeedButton19", c.SpeedButton19);
    bindMember(form, "SpeedButton20", c.SpeedButton20);
    bindMember(form, "SpeedButton21", c.SpeedButton21);
    bindMember(form, "Button5", c.Button5);
    bindMember(form, "Button8", c.Button8);
    bindMember(form, "Button2", c.Button2);
    bindMember(form, "Button3", c.Button3);
    bindMember(form, "Button4", c.Button4);
}

}  // namespace kugel
