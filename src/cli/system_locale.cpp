#include "cli/system_locale.h"

#include <langinfo.h>
#include <locale.h>

#include "scripted/scripted_platform.h"

namespace kugel::cli {

std::string datePatternFromCFormat(const std::string& format) {
    std::string pattern;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            pattern += format[i];
            continue;
        }
        char conv = format[++i];
        // Flags and the E/O modifiers do not change which field is meant.
        while ((conv == 'E' || conv == 'O' || conv == '-' || conv == '0' || conv == '_') &&
               i + 1 < format.size())
            conv = format[++i];
        switch (conv) {
            case 'd':
                pattern += "dd";
                break;
            case 'e':
                pattern += 'd';
                break;
            case 'm':
                pattern += "MM";
                break;
            case 'y':
                pattern += "yy";
                break;
            case 'Y':
                pattern += "yyyy";
                break;
            case 'D':
                pattern += "MM/dd/yy";
                break;
            case 'F':
                pattern += "yyyy-MM-dd";
                break;
            case '%':
                pattern += '%';
                break;
            default:
                break;  // a field a short date has no use for
        }
    }
    return pattern;
}

LocaleInfo environmentLocale() {
    LocaleInfo info = ScriptedPlatform::cLocale();
    // A locale object of its own: the process keeps the C locale for numbers,
    // so nothing else the program formats or parses changes with the user's.
    const locale_t loc = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) return info;
    static constexpr nl_item kDays[7] = {ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4,
                                         ABDAY_5, ABDAY_6, ABDAY_7};
    for (std::size_t d = 0; d < 7; ++d) {
        const char* name = nl_langinfo_l(kDays[d], loc);
        if (name && *name) info.shortDayNames[d] = name;
    }
    if (const char* format = nl_langinfo_l(D_FMT, loc); format && *format) {
        const std::string pattern = datePatternFromCFormat(format);
        if (!pattern.empty()) info.shortDateFormat = pattern;
    }
    freelocale(loc);
    const locale_t numeric = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (numeric == static_cast<locale_t>(nullptr)) return info;
    if (const char* point = nl_langinfo_l(RADIXCHAR, numeric); point && *point)
        info.decimalSeparator = point;
    freelocale(numeric);
    return info;
}

}  // namespace kugel::cli
