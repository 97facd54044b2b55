#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "platform/text_excerpt.h"

namespace kugel {

// What the update does with one week's answer.
enum class WeekAnswer {
    Store,      // a status below 400: every line of the body is a draw of that week
    Skip,       // 400..499: the server has nothing for that week; go on with the next
    EndUpdate,  // no answer, 500 and above, or "try later": the week must be asked for again
};

// A server error says nothing about the week: skipping it and storing a later
// one would leave a hole the next update never fills, because that update
// starts after the newest stored draw. The same holds for the client errors
// that only say "not now" (408 Request Timeout, 425 Too Early, 429 Too Many
// Requests).
WeekAnswer judgeWeekAnswer(const HttpResponse& response);

// The most draws one week's answer may hold. A week has one draw; a few more
// lines are conceivable (a second draw, a correction), but an answer of
// thousands of valid lines would bloat the history with copies, so more than
// this is a malformed answer.
inline constexpr std::size_t kMaxDrawsPerWeek = 16;

// The lines of an answer that stand for draws: every line that is not blank.
std::vector<std::string> drawLines(std::string_view body);

// How many characters of an answer that is no list of draws a message shows:
// it may be any page of any size, and its beginning is enough to recognise it.
inline constexpr std::size_t kShownAnswerChars = 2000;

// The beginning of such an answer as a message shows it: its line breaks
// (CR LF, LF or CR, as the draws' lines are split) as LF, every other control
// character written out (ESC as \x1B, NUL as \x00), so that escape sequences
// from the server cannot act on the terminal the message reaches, nor a NUL
// end it early.
TextExcerpt shownAnswer(std::string_view body);

}  // namespace kugel
