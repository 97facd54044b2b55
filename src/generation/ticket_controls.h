#pragma once

namespace kugel {

class Builder;
class TForm1;

// The ticket's row controls on the overview page; filled in by the ticket's
// own module.
struct TicketControls {};

// Creates the ticket rows and the calculation panel's controls.
void buildTicketControls(TForm1& form, Builder& b);

}  // namespace kugel
