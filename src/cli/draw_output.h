#pragma once

#include <string>

#include "model/game.h"

namespace kugel::cli {

// A draw for people: "2018-04-12  5 6 19 27 31 33  PB 2".
std::string drawLine(const TZiehung& z);
// A draw for machines: {"date":"2018-04-12","numbers":[5,6,19,27,31,33],"powerball":2,"extra":0}.
std::string drawJson(const TZiehung& z);

}  // namespace kugel::cli
