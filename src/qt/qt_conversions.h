#pragma once

#include <optional>
#include <string>

#include <QColor>
#include <QDate>
#include <QString>

#include "controls/color.h"
#include "platform/platform.h"

class QLocale;

namespace kugel {

// The model's (UTF-8) text as Qt holds it.
QString qs(const std::string& text);

// A plain colour (0x00BBGGRR); nothing for the system colours, which the
// widget's own palette supplies.
std::optional<QColor> plainColor(Color c);

// Day values (days since 30 December 1899) and calendar dates.
QDate dateOfDay(double day);
double dayOfDate(const QDate& date);

// "Textdatei|*.txt|Alle Dateien|*.*" -> "Textdatei (*.txt);;Alle Dateien (*)".
QString qtFileFilter(const std::string& filter);

// A Qt date format reduced to the pattern letters the model formats with
// (d, dd, M, MM, yy, yyyy); quoted text stays literal when it holds no
// pattern letters.
std::string shortDatePattern(const QString& qtFormat);
// The pattern for the date editor: a two-digit year is shown with four
// digits there, so that editing cannot land in the wrong century.
QString editorDateFormat(const std::string& pattern);

// Weekday abbreviations (Sunday first) and the short date pattern of a locale.
LocaleInfo localeInfoOf(const QLocale& locale);

// '&' marks a mnemonic in captions; a label shows the text without it.
QString withoutMnemonics(const std::string& caption);

}  // namespace kugel
