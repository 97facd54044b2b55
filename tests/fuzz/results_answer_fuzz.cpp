// Any bytes as the results server's answer for the one week the history
// lacks, taken by the update as the program takes it: every line that
// stands for a draw stored, or the answer refused with the message that
// shows its beginning.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_app.h"
#include "model/game.h"
#include "model/history_file.h"
#include "platform/codepage.h"
#include "platform/dates.h"
#include "update/week_answer.h"

namespace {

// Whether a text shows a control character raw: any but the line break, and
// the C1 controls as UTF-8 writes them.
bool showsControl(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c < 0x20 && c != '\n') || c == 0x7F) return true;
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (c == 0xC2 && next >= 0x80 && next <= 0x9F) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kugel;
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    f.reset();
    // The newest stored draw is twelve days before today: one week is asked for.
    static const double newest = *encodeDate(2013, 4, 18);
    static const double asked = newest + ZiehungsAbstand;
    TZiehung seed = ersteZiehungRecord();
    seed.Datum = newest;
    f.files.put(f.historyPath(), encodeRecord(seed));

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    f.platform.http = [&bytes](const HttpRequest&) {
        HttpResponse r;
        r.answered = true;
        r.statusCode = 200;
        r.statusLine = "HTTP/1.1 200 OK";
        r.bytes = bytes;
        r.body = ansiToUtf8(bytes);
        return r;
    };
    f.answerOk(4);
    f.app->invoke(f.form(), "KugelmeisterClick", f.form().BitBtn1);

    // Only real draws of the week asked for are stored behind the old ones,
    // and no more than a week can hold.
    const auto records = HistoryFile(f.historyPath()).readAll();
    if (records.empty() || records.front().Datum != newest) __builtin_trap();
    if (records.size() - 1 > kMaxDrawsPerWeek) __builtin_trap();
    for (std::size_t i = 1; i < records.size(); ++i)
        if (!records[i].isValidDraw() || records[i].Datum != asked) __builtin_trap();
    // Whatever the server sent reaches the user without a control character
    // that could act on the terminal.
    for (const std::string& message : f.platform.messages)
        if (showsControl(message)) __builtin_trap();
    return 0;
}
