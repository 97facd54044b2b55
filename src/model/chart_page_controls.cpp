#include "model/chart_page_controls.h"

#include "model/main_window.h"

namespace kugel {
namespace {

Button* speedButton(Builder& b, Panel* bar, const char* name, int left, int width,
                    const char* caption, const char* hint, const char* handler) {
    Button& button = b.button(name, Kind::SpeedButton, bar, {left, 5, width, 24}, caption, hint);
    button.bindEvent("OnClick", handler);
    return &button;
}

Button* pageButton(Builder& b, TabSheet* page, const char* name, int top, const char* caption,
                   const char* hint, const char* handler) {
    Button& button = b.button(name, Kind::Button, page, {330, top, 170, 28}, caption, hint);
    button.bindEvent("OnClick", handler);
    return &button;
}

}  // namespace

void buildChartPageControls(TForm1& form, Builder& b) {
    // Bars carry value labels until the first frequency chart switches them
    // off; the statistics draw into Series2, green unless a bar has its own
    // colour.
    Chart& chart = *form.Chart1;
    chart.Series1.marks = true;
    chart.Series2.marks = true;
    chart.Series2.color = clGreen;

    ChartPageControls& c = form.chartPage;
    Panel* bar = form.Panel6;
    c.SpeedButton2 = speedButton(b, bar, "SpeedButton2", 4, 24, "",
                                 "Verteilung der gezogenen Zahlen", "SpeedButton2Click");
    c.SpeedButton9 = speedButton(b, bar, "SpeedButton9", 31, 28, "QS", "", "SpeedButton9Click");
    c.SpeedButton1 = speedButton(b, bar, "SpeedButton1", 62, 28, "2er", "", "Button2Click");
    c.SpeedButton3 = speedButton(b, bar, "SpeedButton3", 93, 28, "3er", "", "Button3Click");
    c.SpeedButton12 = speedButton(b, bar, "SpeedButton12", 124, 28, "4er", "", "Button4Click");
    c.SpeedButton19 =
        speedButton(b, bar, "SpeedButton19", 155, 78, "Ausstehende", "", "Button5Click");
    c.SpeedButton20 =
        speedButton(b, bar, "SpeedButton20", 236, 64, "Powerball", "", "SuperseltenClick");
    c.SpeedButton21 =
        speedButton(b, bar, "SpeedButton21", 303, 98, "Powerball offen",
                    "wie lange sind die einzelnen Sternzahlen überfällig", "Button8Click");

    TabSheet* page = form.TabSheet4;
    c.Button5 = pageButton(b, page, "Button5", 8, "Ausstehende",
                           "Erzeugt die Grafik für die Ausstehenden Zahlen", "Button5Click");
    c.Button8 = pageButton(b, page, "Button8", 42, "Sternzahl ausstehende",
                           "Welche Sternzahl ist am länsten überfällig", "Button8Click");
    c.Button2 = pageButton(b, page, "Button2", 76, "Paare suchen",
                           "Erzeugen der Grafik für die Paarbildung der Zahlen", "Button2Click");
    c.Button3 = pageButton(b, page, "Button3", 110, "Dreier suchen",
                           "Erzeugen der Grafik für die Bildung von Dreiergruppen der Zahlen",
                           "Button3Click");
    c.Button4 = pageButton(b, page, "Button4", 144, "Vierer suchen",
                           "Erzeugen der Grafik für die Bildung von Viergruppen der Zahlen",
                           "Button4Click");
}

}  // namespace kugel
