#pragma once

#include <string>
#include <string_view>

namespace kugel::server {

// Text made safe to stand inside HTML: markup characters become entities.
std::string htmlEscaped(std::string_view text);

// A complete small page in the vendor's style around the given body markup.
std::string htmlPage(std::string_view title, std::string_view body);

}  // namespace kugel::server
