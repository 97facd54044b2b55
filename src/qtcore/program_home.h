#pragma once

#include <string>

namespace kugel {

// The program directory when no --home is given: the executable's own
// directory, or the user's data directory of the program (on Linux
// ~/.local/share/kugelmeister, following XDG_DATA_HOME) for an installed or
// read-only copy; see chooseProgramHome. Throws FileError.
std::string programHome();

}  // namespace kugel
