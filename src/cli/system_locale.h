#pragma once

#include <string>

#include "platform/platform.h"

namespace kugel::cli {

// The C library's date conventions of the environment (LC_ALL, LC_TIME,
// LANG): abbreviated weekday names and the short date pattern. Falls back to
// the C locale when the environment names a locale that is not installed.
LocaleInfo environmentLocale();

// A C library date format ("%d.%m.%Y") as our pattern ("dd.MM.yyyy").
std::string datePatternFromCFormat(const std::string& format);

}  // namespace kugel::cli
