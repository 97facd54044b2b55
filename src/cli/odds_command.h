#pragma once

#include <ostream>

namespace kugel::cli {

// `kugelmeister-cli odds`: the prize divisions of the game with their exact
// chances, as a table for people or as one line of JSON.
void printOdds(std::ostream& out, bool json);

}  // namespace kugel::cli
