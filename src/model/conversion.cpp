#include "model/conversion.h"

#include <charconv>

namespace kugel {

int StrToInt(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t");
    std::size_t last = text.find_last_not_of(" \t");
    int value = 0;
    if (first != std::string::npos) {
        const char* begin = text.data() + first;
        const char* end = text.data() + last + 1;
        if (*begin == '+') ++begin;
        auto [ptr, ec] = std::from_chars(begin, end, value);
        if (ec == std::errc() && ptr == end && begin != end) return value;
    }
    throw ConversionError("'" + text + "' ist kein gültiger Integerwert");
}

}  // namespace kugel
