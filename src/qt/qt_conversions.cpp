#include "qt/qt_conversions.h"

#include <cmath>

#include <QLocale>
#include <QStringList>

namespace kugel {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}
namespace {

const QDate kDayZero(1899, 12, 30);

bool isPatternLetter(QChar c) {
    return c == u'd' || c == u'M' || c == u'y';
}

}  // namespace

std::optional<QColor> plainColor(Color c) {
    if (c < 0) return std::nullopt;
    const auto v = static_cast<std::uint32_t>(c);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

QDate dateOfDay(double day) {
    return kDayZero.addDays(static_cast<qint64>(std::floor(day)));
}

double dayOfDate(const QDate& date) {
    return static_cast<double>(kDayZero.daysTo(date));
}

QString qtFileFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            if (p == QLatin1String("*.*")) p = QStringLiteral("*");
        }
        entries << parts[i].trimmed() + QStringLiteral(" (") + patterns.join(u' ') +
                       QStringLiteral(")");
    }
    return entries.join(QStringLiteral(";;"));
}

std::string shortDatePattern(const QString& qtFormat) {
    // Month names (the C locale's "d MMM yyyy") have no numeric short form;
    // such a locale gets the program's own numeric date.
    if (qtFormat.contains(QStringLiteral("MMM"))) return "dd.MM.yyyy";
    QString out;
    for (qsizetype i = 0; i < qtFormat.size();) {
        const QChar c = qtFormat[i];
        if (c == u'\'') {
            // Quoted literal; '' is a single quote.
            qsizetype j = i + 1;
            QString literal;
            while (j < qtFormat.size()) {
                if (qtFormat[j] == u'\'') {
                    if (j + 1 < qtFormat.size() && qtFormat[j + 1] == u'\'') {
                        literal += u'\'';
                        j += 2;
                        continue;
                    }
                    break;
                }
                literal += qtFormat[j++];
            }
            bool plain = true;
            for (QChar l : literal) plain = plain && !isPatternLetter(l);
            if (plain) out += literal;
            i = j + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < qtFormat.size() && qtFormat[i + run] == c) ++run;
        if (c == u'd') {
            // Weekday names (ddd, dddd) have no place in a short date.
            if (run <= 2) out += QString(run, u'd');
        } else if (c == u'M') {
            out += run == 1 ? QStringLiteral("M") : QStringLiteral("MM");
        } else if (c == u'y') {
            out += run <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
        } else {
            out += QString(run, c);
        }
        i += run;
    }
    // Dropped weekday names leave separators behind ("dddd, d.M." -> ", d.M.").
    while (!out.isEmpty() && !isPatternLetter(out.front())) out.remove(0, 1);
    return out.trimmed().toStdString();
}

QString editorDateFormat(const std::string& pattern) {
    QString p = QString::fromStdString(pattern);
    if (!p.contains(QStringLiteral("yyyy")))
        p.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return p;
}

LocaleInfo localeInfoOf(const QLocale& locale) {
    LocaleInfo info;
    // Qt counts Monday 1 .. Sunday 7; the model's table starts with Sunday.
    for (int i = 0; i < 7; ++i)
        info.shortDayNames[static_cast<std::size_t>(i)] =
            locale.dayName(i == 0 ? 7 : i, QLocale::ShortFormat).toStdString();
    info.shortDateFormat = shortDatePattern(locale.dateFormat(QLocale::ShortFormat));
    if (info.shortDateFormat.empty()) info.shortDateFormat = "dd.MM.yyyy";
    info.decimalSeparator = locale.decimalPoint().toStdString();
    return info;
}

QString withoutMnemonics(const std::string& caption) {
    const QString in = QString::fromStdString(caption);
    QString out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == u'&') {
            if (i + 1 < in.size() && in[i + 1] == u'&') {
                out += u'&';
                ++i;
            }
            continue;
        }
        out += in[i];
    }
    return out;
}

}  // namespace kugel
