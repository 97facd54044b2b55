#pragma once

#include "controls/form.h"

namespace kugel {

class TQCSForm : public Form {
  public:
    explicit TQCSForm(Platform& platform);
};

}  // namespace kugel
