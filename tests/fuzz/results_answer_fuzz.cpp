// The results server's answer body as the download reads it: decoded from
// the ANSI code page, its lines that stand for draws picked out and each read
// as a draw; and the excerpt a message shows of a body that is no list of
// draws.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/game.h"
#include "platform/codepage.h"
#include "platform/text_excerpt.h"
#include "update/results_download.h"
#include "update/week_answer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kugel;
    const std::string body =
        ansiToUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::vector<std::string> lines = drawLines(body);
    if (lines.size() > splitLines(body).size()) __builtin_trap();
    for (const std::string& line : lines) {
        if (line.find_first_of("\r\n") != std::string::npos) __builtin_trap();
        const auto draw = parseResultLine(line, ErsteZiehung);
        // Whatever the line held, only a real draw may be stored.
        if (draw && (!draw->isValidDraw() || draw->Datum != ErsteZiehung)) __builtin_trap();
    }
    // The message shows the beginning with every control character but its
    // line breaks written out, and says how much it left out.
    const TextExcerpt shown = shownAnswer(body);
    if (shown.omitted > 0 && leadingExcerpt(body, kShownAnswerChars).omitted != shown.omitted)
        __builtin_trap();
    for (std::size_t i = 0; i < shown.text.size(); ++i) {
        const auto c = static_cast<unsigned char>(shown.text[i]);
        if ((c < 0x20 && c != '\n') || c == 0x7F) __builtin_trap();
        const auto next =
            i + 1 < shown.text.size() ? static_cast<unsigned char>(shown.text[i + 1]) : 0;
        if (c == 0xC2 && next >= 0x80 && next <= 0x9F) __builtin_trap();  // a C1 control
    }
    return 0;
}
