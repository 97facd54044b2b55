#pragma once

namespace kugel {

class Builder;
class TForm1;

// The calculation settings on the five pages of PageControl2.
struct SettingsControls {};

void buildSettingsControls(TForm1& form, Builder& b);

}  // namespace kugel
