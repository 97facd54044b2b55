#pragma once

#include "controls/form.h"

namespace kugel {

class TAbgabeForm : public Form {
  public:
    explicit TAbgabeForm(Platform& platform);
};

}  // namespace kugel
