#pragma once

namespace kugel {

class TForm1;

// The main window's life: start-up, activation, resizing, closing.

// The program start as the main window first shows: the stored settings and
// language, the window, then the results update.
void startProgram(TForm1& form);
// Everything of the start but the results update: the program directory,
// the stored settings, the dates and the random seed. The commands of the
// headless driver start this way and update only when asked to.
void prepareMainWindow(TForm1& form);
// The window's contents follow its height, fonts included, in proportion to
// the designed size.
void scaleToWindowHeight(TForm1& form);
// Stores the settings; a failure to write them does not stop the closing.
void saveSettingsOnClose(TForm1& form);
// The menu's close: asks the program to close as the window's frame does.
void closeProgram(TForm1& form);
// Asks a running download or calculation to stop, as its stop button does.
void stopRunningOperations(TForm1& form);

void registerStartupHandlers(TForm1& form);

}  // namespace kugel
