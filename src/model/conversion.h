#pragma once

#include <string>

#include "model/added_texts.h"

namespace kugel {

// A text that should hold a whole number does not. The message names the
// text, so the user sees which field is wrong.
class ConversionError : public TextError {
  public:
    explicit ConversionError(const std::string& text);
};

// The decimal integer a text holds (optional sign, nothing else); throws
// ConversionError for an empty or non-numeric text.
int toInteger(const std::string& text);

}  // namespace kugel
