#pragma once

#include <string>
#include <vector>

namespace kugel {

// The German default texts of the message table: 62 lines, unused lines empty.
std::vector<std::string> defaultMessages();

}  // namespace kugel
