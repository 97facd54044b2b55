#pragma once

#include <string>

#include "controls/color.h"
#include "controls/form.h"

namespace kugel {

// The font a ticket slip is printed in. Kept from run to run; the listing
// does not use it.
struct SlipFont {
    // Style bits: 1 bold, 2 italic, 4 underline, 8 strike-out.
    int style = 0;
    Color color = clBlack;
    int size = 10;  // points
    std::string name = "Arial";
};

class TForm5 : public Form {
  public:
    explicit TForm5(Platform& platform);

    const SlipFont& printFont() const { return printFont_; }
    void setPrintFont(SlipFont font);

    Label* Label2 = nullptr;  // the font in words
    Button* BitBtn1 = nullptr;

  private:
    SlipFont printFont_;
};

}  // namespace kugel
