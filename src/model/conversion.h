#pragma once

#include <stdexcept>
#include <string>

namespace kugel {

// A text that should hold a whole number does not; the message names it.
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The whole decimal number in the text (blanks around it allowed, an
// optional sign); anything else raises ConversionError naming the text.
int StrToInt(const std::string& text);

}  // namespace kugel
