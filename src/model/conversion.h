#pragma once

#include <string>

#include "model/added_texts.h"

namespace kugel {

// A text that should hold a number does not. The message names the text, so
// the user sees which field is wrong.
class ConversionError : public TextError {
  public:
    // A whole number was expected.
    explicit ConversionError(const std::string& text);
    // A decimal number was expected.
    static ConversionError notADecimal(const std::string& text);

  private:
    ConversionError(AddedText id, const std::string& text);
};

// The decimal integer a text holds (optional sign, nothing else); throws
// ConversionError for an empty or non-numeric text.
int toInteger(const std::string& text);

// The decimal number a text holds, written with the given decimal separator:
// blanks around it, an optional sign, digits with at most one separator, an
// optional exponent ("1,5E3"). Throws ConversionError for anything else.
double toDecimal(const std::string& text, const std::string& decimalSeparator);

}  // namespace kugel
