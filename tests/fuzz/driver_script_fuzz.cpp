// Any bytes as a script of the headless driver: parsed, or refused with a
// script error naming a line of the script.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "cli/script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    try {
        kugel::cli::parseScript(in);
    } catch (const kugel::cli::ScriptError& e) {
        if (e.line < 0 || e.message.empty()) __builtin_trap();
    }
    return 0;
}
