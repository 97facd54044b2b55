#pragma once

#include "controls/form.h"

namespace kugel {

class TForm5 : public Form {
  public:
    explicit TForm5(Platform& platform);
};

}  // namespace kugel
