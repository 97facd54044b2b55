#pragma once

namespace kugel {

class TForm1;

// The main window's life: start-up, activation, resizing, closing.
void FormShow(TForm1& form);
// Everything of the start but the results update: the program directory,
// the stored settings, the dates and the random seed. The commands of the
// headless driver start this way and update only when asked to.
void prepareMainWindow(TForm1& form);
void FormActivate(TForm1& form);
void FormResize(TForm1& form);
void FormClose(TForm1& form);
void Schlieen1Click(TForm1& form);
// Asks a running download or calculation to stop, as its stop button does.
void stopRunningOperations(TForm1& form);

void registerStartupHandlers(TForm1& form);

}  // namespace kugel
