#pragma once

namespace kugel {

class TForm1;

// Makes every handler of the main window reachable by its name.
void registerMainWindowHandlers(TForm1& form);

}  // namespace kugel
