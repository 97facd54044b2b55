#pragma once

namespace kugel {

class TForm1;

// Applies the language numbered `sprache`, then shows the draw of the chosen
// date with the ticket check and the frequency chart in that language.
void SpracheSetzen(TForm1& form);

}  // namespace kugel
