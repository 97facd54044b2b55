#include "update/week_answer.h"

namespace kugel {

WeekAnswer judgeWeekAnswer(const HttpResponse& response) {
    if (!response.answered || response.statusCode >= 500) return WeekAnswer::EndUpdate;
    if (response.statusCode >= 400) return WeekAnswer::Skip;
    return WeekAnswer::Store;
}

}  // namespace kugel
