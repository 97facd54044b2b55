#pragma once

#include "platform/platform.h"

namespace kugel {

// What the update does with one week's answer.
enum class WeekAnswer {
    Store,      // a status below 400: every line of the body is a draw of that week
    Skip,       // 400..499: the server has nothing for that week; go on with the next
    EndUpdate,  // no answer, or 500 and above: the week must be asked for again
};

// A server error says nothing about the week: skipping it and storing a later
// one would leave a hole the next update never fills, because that update
// starts after the newest stored draw.
WeekAnswer judgeWeekAnswer(const HttpResponse& response);

}  // namespace kugel
