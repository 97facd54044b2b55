#include "model/conversion.h"

#include "controls/value_text.h"

namespace kugel {

ConversionError::ConversionError(const std::string& text)
    : TextError(AddedText::NotAnInteger, {text}) {}

int toInteger(const std::string& text) {
    const auto value = parseInt(text);
    if (!value) throw ConversionError(text);
    return *value;
}

}  // namespace kugel
