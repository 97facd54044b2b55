#include "update/results_download.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "checking/draw_display.h"
#include "controls/value_text.h"
#include "model/history_file.h"
#include "model/main_window.h"
#include "model/message_table.h"
#include "model/program_windows.h"
#include "platform/codepage.h"
#include "platform/dates.h"

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
    form.addHandler("KugelmeisterClick", [&form](Component*) { downloadNewDraws(form); });
    form.addHandler("Aktualisieren1Click", [&form](Component*) { downloadNewDraws(form); });
    form.addHandler("BitBtn2Click", [&form](Component*) { rebuildHistory(form); });
    form.addHandler("SpeedButton8Click", [&form](Component*) { stopDownload(form); });
}

void downloadNewDraws(TForm1& form) {
    if (form.updateRunning()) return;
    Platform& platform = form.platform();
    {
        DownloadState running(form);
        const HistoryFile history(form.historyPath());
        if (!history.exists()) {
            history.createEmpty();
            history.append(ersteZiehungRecord());
            form.aktDatum = ErsteZiehung;
        }
        const std::vector<TZiehung> records = history.readAll();
        const double newest = records.empty() ? 0 : records.back().Datum;
        if (!(newest > 0) || !form.DateTimePicker1->setDate(newest))
            form.DateTimePicker1->setDate(form.DateTimePicker1->minDate());
        form.DateTimePicker1->setDate(form.DateTimePicker1->date() + ZiehungsAbstand);
        form.aktDatum = std::round(form.DateTimePicker1->date());

        // The week asked for is kept here: the user may move the date picker
        // while a request waits, and the answer belongs to the week asked for.
        double week = std::floor(form.DateTimePicker1->date());
        while (week <= platform.today() && !form.updateStopRequested()) {
            form.DateTimePicker1->setDate(week);
            HttpRequest request = vendorRequest(form, kResultsPath);
            request.query = {{"Programm", "KugelAU"}, {"Datum", formatYyyymmdd(week)}};
            // The stop button works while a request waits, too.
            request.abandon = [&form] { return form.updateStopRequested(); };
            form.StatusBar1->setPanelText(0, "Loading");

            const HttpResponse response = platform.httpGet(request);
            if (!response.answered) {
                if (form.updateStopRequested()) break;  // given up on the user's stop
                // Without a connection every further week would wait out its
                // own time-out; end now and say why.
                form.StatusBar1->setPanelText(0, response.error);
                break;
            }
            form.StatusBar1->setPanelText(0, response.statusLine);
            form.StatusBar1->setPanelText(1, form.msg(Msg::NoGuarantee));

            if (response.statusCode < 400) {
                const double date = week;
                for (const std::string& line : splitLines(response.body)) {
                    if (isBlank(line)) continue;
                    const auto draw = parseResultLine(line, date);
                    if (!draw) {
                        platform.messageBox(kApplicationTitle, response.body, MessageButtons::Ok);
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

void rebuildHistory(TForm1& form) {
    if (form.updateRunning()) return;
    const std::string text = "Wollen Sie wirklich alle Ziehungsdaten löschen und dies ab dem " +
                             formatShortDate(form.DateTimePicker1->date(), form.locale()) +
                             " aus dem Internet neu aufbauen??";
    if (form.platform().messageBox("Ziehungsdaten löschen?", text, MessageButtons::YesNo) !=
        DialogResult::Yes)
        return;
    std::error_code ignored;
    std::filesystem::remove(form.historyPath(), ignored);
    downloadNewDraws(form);
}

void stopDownload(TForm1& form) {
    form.SpeedButton8->setVisible(false);
}

}  // namespace kugel
