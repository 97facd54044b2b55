// The results server's answer body as the download reads it: decoded from
// the ANSI code page, split into lines, each line read as a draw; and the
// excerpt a message shows of a body that is no list of draws.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/game.h"
#include "platform/codepage.h"
#include "platform/text_excerpt.h"
#include "update/results_download.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kugel;
    const std::string body =
        ansiToUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& line : splitLines(body)) {
        const auto draw = parseResultLine(line, ErsteZiehung);
        // Whatever the line held, only a real draw may be stored.
        if (draw && (!draw->isValidDraw() || draw->Datum != ErsteZiehung)) __builtin_trap();
    }
    const TextExcerpt shown = leadingExcerpt(body, 2000);
    if (body.compare(0, shown.text.size(), shown.text) != 0) __builtin_trap();
    for (const char c : withVisibleControls(shown.text))
        if (static_cast<unsigned char>(c) < 0x20) __builtin_trap();
    return 0;
}
