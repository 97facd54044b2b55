#include "generation/ticket_controls.h"

#include "shell/main_window.h"

namespace kugel {

void buildTicketControls(TForm1&, Builder&) {}

}  // namespace kugel
