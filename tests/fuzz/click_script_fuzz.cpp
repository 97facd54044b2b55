// Any bytes as a click-script template, decoded and filled as the hand-over
// does it with the tip lines the program writes itself.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "online/click_script.h"
#include "platform/codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kugel;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = ansiToUtf8(utf8ToAnsi(decodeTextFile(bytes)));
    const std::vector<std::string> tipLines = {"3,11,17,24,30,38,9", "1,7,14,22,35,40,12",
                                               "5,6,19,27,31,33,2"};
    const unsigned char flags = size > 0 ? data[0] : 0;
    const ScriptAnswers answers{(flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0};
    const std::string filled = fillScriptTokens(text, tipLines, answers, "/home/user/Tipps/t.qlt");
    // Every token is replaced by a short value: the script stays about the
    // template's size.
    if (filled.size() > 8 * text.size() + 64) __builtin_trap();
    std::string script;
    for (const std::string& line : splitLines(filled)) script += line + "\r\n";
    return 0;
}
