#pragma once

#include "controls/form.h"

namespace kugel {

class TForm6 : public Form {
public:
    explicit TForm6(Platform& platform);
};

}  // namespace kugel
