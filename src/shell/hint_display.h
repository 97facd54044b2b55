#pragma once

namespace kugel {

class TForm1;

// Shows the hint of the control under the mouse in status panel 1. One
// handler per kind of control, all alike, bound to every control of the main
// window that has a hint and no mouse handler of its own.
void registerHintDisplay(TForm1& form);

}  // namespace kugel
