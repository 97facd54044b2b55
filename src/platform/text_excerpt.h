#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kugel {

// The first characters of a UTF-8 text, cut between characters, and how many
// characters were left out.
struct TextExcerpt {
    std::string text;
    std::size_t omitted = 0;
};
TextExcerpt leadingExcerpt(std::string_view utf8, std::size_t maxChars);

// Control characters written out (\t, \r, \n, \x1B, \u009B) so that a quoted
// piece of a file or of a server's answer shows what is really there, cannot
// break a message apart nor act on the terminal it is printed to.
std::string withVisibleControls(std::string_view text);

}  // namespace kugel
