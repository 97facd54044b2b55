#pragma once

#include "controls/form.h"

namespace kugel {

class TForm8 : public Form {
  public:
    explicit TForm8(Platform& platform);
};

}  // namespace kugel
