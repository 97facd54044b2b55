#include "output/print_settings_dialog.h"

#include "controls/control_table.h"
#include "controls/value_text.h"

namespace kugel {

TForm5::TForm5(Platform& platform) : Form("Form5", platform) {
    setCaption("Druckeeinstellungen für den Lottoschein");
    setBounds(200, 150, 420, 300);
    setFontHeight(13);
    static const ControlRows rows = {
        {.kind = Kind::Label,
         .name = "Label1",
         .bounds = {12, 12, 396, 17},
         .caption = "Schrift für den Druck des Scheins:"},
        // Shows data, not a text of the language files.
        {.kind = Kind::Label, .name = "Label2", .bounds = {12, 36, 396, 17}, .tag = 8},
        {.kind = Kind::BitBtn,
         .name = "BitBtn1",
         .bounds = {320, 256, 88, 28},
         .caption = "OK",
         .modalResult = DialogResult::Ok},
    };
    buildControls(*this, rows);
    bindMember(*this, "Label2", Label2);
    bindMember(*this, "BitBtn1", BitBtn1);
    setPrintFont(printFont_);

    // The font by its parts, as the settings store keeps them.
    auto intPart = [this](int SlipFont::*part) {
        return Field{[this, part] { return std::to_string(printFont_.*part); },
                     [this, part](const std::string& s) {
                         const auto v = parseInt(s);
                         if (!v) return false;
                         SlipFont f = printFont_;
                         f.*part = *v;
                         setPrintFont(f);
                         return true;
                     }};
    };
    addField("FontStyle", intPart(&SlipFont::style));
    addField("FontSize", intPart(&SlipFont::size));
    addField("FontColor", {[this] { return std::to_string(static_cast<int>(printFont_.color)); },
                           [this](const std::string& s) {
                               const auto v = parseInt(s);
                               if (!v) return false;
                               SlipFont f = printFont_;
                               f.color = static_cast<Color>(*v);
                               setPrintFont(f);
                               return true;
                           }});
    addField("FontName", {[this] { return printFont_.name; },
                          [this](const std::string& s) {
                              SlipFont f = printFont_;
                              f.name = s;
                              setPrintFont(f);
                              return true;
                          }});
}

void TForm5::setPrintFont(SlipFont font) {
    printFont_ = std::move(font);
    Label2->setCaption(printFont_.name + ", " + std::to_string(printFont_.size) + " pt");
}

}  // namespace kugel
