#include "update/results_download.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "checking/draw_display.h"
#include "controls/value_text.h"
#include "model/history_file.h"
#include "model/main_window.h"
#include "model/program_windows.h"
#include "platform/codepage.h"
#include "platform/dates.h"
#include "platform/text_excerpt.h"
#include "update/week_answer.h"

namespace kugel {
namespace {

// The download's controls: update buttons off and the stop button shown
// while it runs, and back to idle on every way out.
class DownloadState {
  public:
    explicit DownloadState(TForm1& form) : form_(form) {
        form_.Aktualisierunglaeuft = true;
        form_.BitBtn1->setEnabled(false);
        form_.SpeedButton10->setEnabled(false);
        form_.SpeedButton8->setVisible(true);
    }
    ~DownloadState() {
        form_.BitBtn1->setEnabled(true);
        form_.SpeedButton10->setEnabled(true);
        form_.SpeedButton8->setVisible(false);
        form_.Aktualisierunglaeuft = false;
    }
    DownloadState(const DownloadState&) = delete;
    DownloadState& operator=(const DownloadState&) = delete;

  private:
    TForm1& form_;
};

bool isBlank(const std::string& line) {
    return trimmed(line).empty();
}

// A usable day lies after the day values' origin; NaN, 0 or a negative value
// is a damaged record, and starting after it would download the whole
// history a second time behind the first.
bool isUsableDay(double day) {
    return std::isfinite(day) && day > 0;
}

std::string damagedNewestRecordText(const std::filesystem::path& file) {
    return "Der letzte Datensatz der Ziehungsdaten \"" + file.string() +
           "\" ist beschädigt; es wurde nichts heruntergeladen.";
}

// An answer that is not a list of draws may be any page of any size; the
// message shows its beginning, enough to recognise it.
constexpr std::size_t kShownBodyChars = 2000;

std::string malformedAnswerText(const std::string& body) {
    const TextExcerpt shown = leadingExcerpt(body, kShownBodyChars);
    if (shown.omitted == 0) return shown.text;
    return shown.text + "\n\n[... " + std::to_string(shown.omitted) +
           " weitere Zeichen nicht angezeigt]";
}

}  // namespace

std::optional<TZiehung> parseResultLine(const std::string& line, double date) {
    std::array<long long, 8> values{};
    std::size_t field = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        const std::string text = trimmed(std::string_view(line).substr(
            start, comma == std::string::npos ? std::string::npos : comma - start));
        if (field >= values.size()) return std::nullopt;
        const char* begin = text.data();
        const char* end = text.data() + text.size();
        if (begin != end && *begin == '+') ++begin;
        auto [ptr, ec] = std::from_chars(begin, end, values[field]);
        if (ec != std::errc() || ptr != end || begin == end) return std::nullopt;
        ++field;
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (field != values.size()) return std::nullopt;
    // Storing anything but a real draw would corrupt the history; the values
    // are judged as sent, before a byte could wrap them into range.
    for (int i = 0; i < ZahlenProReihe; ++i)
        if (values[static_cast<std::size_t>(i)] < 1 ||
            values[static_cast<std::size_t>(i)] > MaxZahl)
            return std::nullopt;
    if (values[6] < 1 || values[6] > MaxPowerball) return std::nullopt;
    TZiehung z;
    z.Datum = date;
    for (std::size_t i = 0; i < values.size(); ++i)
        z.Zahlen[i] = static_cast<std::uint8_t>(((values[i] % 256) + 256) % 256);
    std::sort(z.Zahlen.begin(), z.Zahlen.begin() + ZahlenProReihe);
    if (!z.isValidDraw()) return std::nullopt;  // a number sent twice
    return z;
}

void registerResultsDownloadHandlers(TForm1& form) {
    form.addHandler("KugelmeisterClick", [&form](Component*) { KugelmeisterClick(form); });
    form.addHandler("Aktualisieren1Click", [&form](Component*) { Aktualisieren1Click(form); });
    form.addHandler("BitBtn2Click", [&form](Component*) { BitBtn2Click(form); });
    form.addHandler("SpeedButton8Click", [&form](Component*) { SpeedButton8Click(form); });
}

void KugelmeisterClick(TForm1& form) {
    if (form.Aktualisierunglaeuft) return;
    Platform& platform = form.platform();
    {
        DownloadState running(form);
        const HistoryFile history(form.historyPath());
        // An empty file (showing a draw creates one) is begun like a missing
        // one; otherwise its first draw would never be stored.
        std::vector<TZiehung> records;
        if (history.exists()) records = history.readAll();
        if (records.empty()) {
            if (!history.exists()) history.createEmpty();
            history.append(ersteZiehungRecord());
            form.aktDatum = ErsteZiehung;
            records = history.readAll();
        }
        const double newest = records.back().Datum;
        if (!isUsableDay(newest)) {
            platform.messageBox(kApplicationTitle, damagedNewestRecordText(history.path()),
                                MessageButtons::Ok);
            return;
        }
        if (!form.DateTimePicker1->setDate(newest))
            form.DateTimePicker1->setDate(form.DateTimePicker1->minDate());
        form.DateTimePicker1->setDate(form.DateTimePicker1->date() + ZiehungsAbstand);
        form.aktDatum = std::round(form.DateTimePicker1->date());

        // The week asked for is kept here: the user may move the date picker
        // while a request waits, and the answer belongs to the week asked for.
        double week = std::floor(form.DateTimePicker1->date());
        while (week <= platform.today() && form.SpeedButton8->visible()) {
            form.DateTimePicker1->setDate(week);
            HttpRequest request = vendorRequest(form, kResultsPath);
            request.query = {{"Programm", "KugelAU"}, {"Datum", formatYyyymmdd(week)}};
            // The stop button works while a request waits, too.
            request.abandon = [&form] { return !form.SpeedButton8->visible(); };
            form.StatusBar1->setPanelText(0, "Loading");

            const HttpResponse response = platform.httpGet(request);
            const WeekAnswer verdict = judgeWeekAnswer(response);
            if (verdict == WeekAnswer::EndUpdate) {
                if (!response.answered && !form.SpeedButton8->visible())
                    break;  // given up on the user's stop
                // Without a connection every further week would wait out its
                // own time-out, and after a server error a later week would
                // leave this one out for good; end now and say why.
                form.StatusBar1->setPanelText(
                    0, response.answered ? response.statusLine : response.error);
                break;
            }
            form.StatusBar1->setPanelText(0, response.statusLine);
            form.StatusBar1->setPanelText(1, form.msg(45));

            if (verdict == WeekAnswer::Store) {
                const double date = week;
                for (const std::string& line : splitLines(response.body)) {
                    if (isBlank(line)) continue;
                    const auto draw = parseResultLine(line, date);
                    if (!draw) {
                        platform.messageBox(kApplicationTitle, malformedAnswerText(response.body),
                                            MessageButtons::Ok);
                        return;  // the draws stored so far stay; no display
                    }
                    form.Datum1 = date;
                    form.Label29->setCaption(drawText(*draw, form.locale(), "   "));
                    platform.processEvents();
                    history.append(*draw);
                    form.aktDatum = draw->Datum;
                }
            }
            week += ZiehungsAbstand;
        }
        form.DateTimePicker1->setDate(week);
    }
    SpeedButton5Click(form);
}

void Aktualisieren1Click(TForm1& form) {
    KugelmeisterClick(form);
}

void BitBtn2Click(TForm1& form) {
    if (form.Aktualisierunglaeuft) return;
    const std::string text = "Wollen Sie wirklich alle Ziehungsdaten löschen und dies ab dem " +
                             formatShortDate(form.DateTimePicker1->date(), form.locale()) +
                             " aus dem Internet neu aufbauen??";
    if (form.platform().messageBox("Ziehungsdaten löschen?", text, MessageButtons::YesNo) !=
        DialogResult::Yes)
        return;
    std::error_code ignored;
    std::filesystem::remove(form.historyPath(), ignored);
    KugelmeisterClick(form);
}

void SpeedButton8Click(TForm1& form) {
    form.SpeedButton8->setVisible(false);
}

}  // namespace kugel
