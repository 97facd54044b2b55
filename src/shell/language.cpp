#include "shell/language.h"

#include "checking/draw_display.h"
#include "model/main_window.h"
#include "statistics/number_statistics.h"

namespace kugel {

void SpracheSetzen(TForm1& form) {
    // Language files are not read yet: the German defaults stay in force.
    SpeedButton5Click(form);
    SpeedButton2Click(form);
}

}  // namespace kugel
