#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace kugel::server {

// "yyyymmdd", exactly eight digits naming a real calendar day.
std::optional<std::chrono::year_month_day> parseCompactDate(std::string_view text);

// "yyyy-mm-dd" as the data files write it; "yyyymmdd" is accepted as well.
std::optional<std::chrono::year_month_day> parseFileDate(std::string_view text);

}  // namespace kugel::server
