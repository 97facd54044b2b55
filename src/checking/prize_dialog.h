#pragma once

#include "controls/form.h"

namespace kugel {

class TForm9 : public Form {
  public:
    explicit TForm9(Platform& platform);
};

}  // namespace kugel
