#pragma once

#include <array>

#include "controls/form.h"

namespace kugel {

// Where the fields of a ticket slip lie when it is printed on. The values
// are kept from run to run; the listing does not use them.
class TForm8 : public Form {
  public:
    explicit TForm8(Platform& platform);

    // The numbers of the position edits, in the order the dialog shows them.
    static constexpr std::array<int, 19> kEditNumbers{1,  2,  3,  4,  5,  6,  7,  8,  9, 10,
                                                      11, 12, 13, 14, 15, 17, 19, 21, 23};
    RadioGroup* RadioGroup1 = nullptr;  // slip orientation
    Button* BitBtn1 = nullptr;          // OK
};

}  // namespace kugel
