#include "checking/ticket_check.h"

#include "shell/main_window.h"

namespace kugel {

void Komplettcheck(TForm1& form) {
    for (auto& cls : form.Statistik) cls = {0, 0};
    if (!form.sortieren) return;
    // The rows are checked once the ticket's controls exist.
}

}  // namespace kugel
