#include "update/week_answer.h"

#include "controls/value_text.h"
#include "platform/codepage.h"

namespace kugel {

WeekAnswer judgeWeekAnswer(const HttpResponse& response) {
    if (!response.answered || response.statusCode >= 500) return WeekAnswer::EndUpdate;
    switch (response.statusCode) {
        case 408:  // Request Timeout
        case 425:  // Too Early
        case 429:  // Too Many Requests
            return WeekAnswer::EndUpdate;
        default:
            break;
    }
    if (response.statusCode >= 400) return WeekAnswer::Skip;
    return WeekAnswer::Store;
}

std::vector<std::string> drawLines(std::string_view body) {
    std::vector<std::string> lines;
    for (std::string& line : splitLines(body))
        if (!trimmed(line).empty()) lines.push_back(std::move(line));
    return lines;
}

TextExcerpt shownAnswer(std::string_view body) {
    TextExcerpt shown = leadingExcerpt(body, kShownAnswerChars);
    std::string_view rest = shown.text;
    std::string text;
    text.reserve(rest.size());
    while (true) {
        // Lines end where the draws' lines end: at CR LF, LF or CR.
        const std::size_t end = rest.find_first_of("\r\n");
        text += withVisibleControls(rest.substr(0, end));
        if (end == std::string_view::npos) break;
        text += '\n';
        const bool crlf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
        rest.remove_prefix(end + (crlf ? 2 : 1));
    }
    shown.text = std::move(text);
    return shown;
}

}  // namespace kugel
