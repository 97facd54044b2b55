#include "update/results_download.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <deque>

#include "controls/value_text.h"
#include "draws/draw_display.h"
#include "model/history_file.h"
#include "model/main_window.h"
#include "model/message_table.h"
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
        form_.StatusBar1->setProgress({});
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

// A usable day lies after the day values' origin; NaN, 0 or a negative value
// is a damaged record, and starting after it would download the whole
// history a second time behind the first.
bool isUsableDay(double day) {
    return std::isfinite(day) && day > 0;
}

std::string malformedAnswerText(const TForm1& form, const std::string& body) {
    const TextExcerpt shown = shownAnswer(body);
    if (shown.omitted == 0) return shown.text;
    return shown.text + "\n\n" +
           form.addedTexts.format(AddedText::MoreCharsNotShown, {std::to_string(shown.omitted)});
}

// The server's status line as the status bar shows it: a server may send
// anything there, and escape sequences must not reach a terminal.
std::string shownStatusLine(const HttpResponse& response) {
    return withVisibleControls(response.statusLine);
}

std::string failureReason(const TForm1& form, const HttpResponse& response) {
    switch (response.failure) {
        case HttpFailure::HostUnknown:
            return form.msg(AddedText::HostUnknown);
        case HttpFailure::NoConnection:
            return form.msg(AddedText::NoConnection);
        case HttpFailure::TimedOut:
            return form.msg(AddedText::ConnectionTimedOut);
        case HttpFailure::BrokenOff:
            return form.msg(AddedText::ConnectionBrokenOff);
        default:
            return form.addedTexts.format(AddedText::TransferFailed,
                                          {withVisibleControls(response.error)});
    }
}

// Where the request could not get through to: the proxy when one is set
// (it is the one the program talks to), else the server's address.
std::string addressOf(const HttpRequest& request) {
    if (!request.proxyHost.empty())
        return "Proxy " + request.proxyHost + ":" + std::to_string(request.proxyPort);
    return request.url;
}

HttpRequest weekRequest(TForm1& form, double week) {
    HttpRequest request = vendorRequest(form, kResultsPath);
    request.query = {{"Programm", "KugelAU"}, {"Datum", formatYyyymmdd(week)}};
    // The stop button works while a request waits, too.
    request.abandon = [&form] { return form.updateStopRequested(); };
    return request;
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
    return drawFromValues(values, date);
}

std::optional<TZiehung> drawFromValues(const std::array<long long, 8>& values, double date,
                                       std::string* problem) {
    const auto fail = [problem](std::string reason) -> std::optional<TZiehung> {
        if (problem) *problem = std::move(reason);
        return std::nullopt;
    };
    // Storing anything but a real draw would corrupt the history; the values
    // are judged as sent, before a byte could wrap them into range.
    for (std::size_t i = 0; i < ZahlenProReihe; ++i)
        if (values[i] < 1 || values[i] > MaxZahl)
            return fail("n" + std::to_string(i + 1) + " " + std::to_string(values[i]) +
                        " is outside 1..40");
    if (values[6] < 1 || values[6] > MaxPowerball)
        return fail("pb " + std::to_string(values[6]) + " is outside 1..20");
    TZiehung z;
    z.Datum = date;
    for (std::size_t i = 0; i < values.size(); ++i)
        z.Zahlen[i] = static_cast<std::uint8_t>(((values[i] % 256) + 256) % 256);
    std::sort(z.Zahlen.begin(), z.Zahlen.begin() + ZahlenProReihe);
    for (std::size_t i = 1; i < ZahlenProReihe; ++i)
        if (z.Zahlen[i] == z.Zahlen[i - 1])  // a number sent twice
            return fail("main number " + std::to_string(z.Zahlen[i]) + " appears twice");
    if (!z.isValidDraw()) return fail("not a valid draw");
    return z;
}

void registerResultsDownloadHandlers(TForm1& form) {
    form.addHandler("KugelmeisterClick", [&form](Component*) { downloadNewDraws(form); });
    form.addHandler("Aktualisieren1Click", [&form](Component*) { downloadNewDraws(form); });
    form.addHandler("BitBtn2Click", [&form](Component*) { rebuildHistory(form); });
    form.addHandler("SpeedButton8Click", [&form](Component*) { stopDownload(form); });
}

void downloadNewDraws(TForm1& form) {
    downloadNewDraws(form, UpdateStart::ByUser);
}

namespace {

// Begins a missing or empty history with the first draw and moves the end
// date to the week after the newest draw. False, with the message shown,
// when the newest draw is damaged.
bool beginAfterNewestDraw(TForm1& form, const HistoryFile& history) {
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
        form.platform().messageBox(
            kApplicationTitle,
            form.addedTexts.format(AddedText::DamagedNewestDraw, {history.path().string()}),
            MessageButtons::Ok);
        return false;
    }
    if (!form.DateTimePicker1->setDate(newest))
        form.DateTimePicker1->setDate(form.DateTimePicker1->minDate());
    form.DateTimePicker1->setDate(form.DateTimePicker1->date() + ZiehungsAbstand);
    form.aktDatum = std::round(form.DateTimePicker1->date());
    return true;
}

// How the update ends at a week whose answer ends it; the status bar (and,
// when the user started the update, a box) says why.
UpdateEnd endAtFailedWeek(TForm1& form, const HttpResponse& response, const std::string& address,
                          UpdateStart start) {
    if (response.answered) {
        // After a server error a later week would leave this one out
        // for good; end here, and the next update asks for it again.
        form.StatusBar1->setPanelText(0, shownStatusLine(response));
        form.StatusBar1->setPanelHint(0, shownStatusLine(response));
        return UpdateEnd::Interrupted;
    }
    if (form.updateStopRequested()) return UpdateEnd::Stopped;  // given up on the user's stop
    // Without a connection every further week would wait out its own
    // time-out; end now and say why.
    const std::string text =
        form.addedTexts.format(AddedText::UpdateNoAnswer, {address, failureReason(form, response)});
    form.StatusBar1->setPanelText(0, text);
    form.StatusBar1->setPanelHint(0, text);
    if (start == UpdateStart::ByUser)
        form.platform().messageBox(kApplicationTitle, text, MessageButtons::Ok);
    return UpdateEnd::Interrupted;
}

// Stores the draws of one week's answer, each shown as it goes in. False,
// with the message shown, when the answer is no list of draws; the draws
// stored before stay.
bool storeWeekDraws(TForm1& form, const HistoryFile& history, const std::string& body,
                    double date) {
    Platform& platform = form.platform();
    const std::vector<std::string> lines = drawLines(body);
    // Judged before anything is stored: too many lines are no week.
    if (lines.size() > kMaxDrawsPerWeek) {
        platform.messageBox(kApplicationTitle, malformedAnswerText(form, body), MessageButtons::Ok);
        return false;
    }
    for (const std::string& line : lines) {
        const auto draw = parseResultLine(line, date);
        if (!draw) {
            platform.messageBox(kApplicationTitle, malformedAnswerText(form, body),
                                MessageButtons::Ok);
            return false;
        }
        form.Datum1 = date;
        form.Label29->setCaption(drawText(*draw, form.locale(), "   "));
        platform.processEvents();
        history.append(*draw);
        form.aktDatum = draw->Datum;
    }
    return true;
}

// The update into `history` without the draw display at its end.
UpdateEnd runUpdate(TForm1& form, const HistoryFile& history, UpdateStart start) {
    Platform& platform = form.platform();
    DownloadState running(form);
    form.StatusBar1->setPanelHint(0, {});
    if (!beginAfterNewestDraw(form, history)) return UpdateEnd::Damaged;

    // The week asked for is kept here: the user may move the date picker
    // while a request waits, and the answer belongs to the week asked for.
    double week = std::floor(form.DateTimePicker1->date());
    const double firstWeek = week;
    const int weeks = week <= platform.today()
                          ? static_cast<int>((platform.today() - week) / ZiehungsAbstand) + 1
                          : 0;
    // Requests for the following weeks go out ahead, as many as the
    // queue holds; their answers are still taken week by week, in order,
    // and those after a week that ends the update are given up unread.
    const std::unique_ptr<HttpRequestQueue> requests = platform.httpRequestQueue();
    double nextToSend = week;
    std::deque<std::string> addresses;  // of the requests not answered yet, oldest first
    UpdateEnd end = UpdateEnd::UpToDate;
    while (week <= platform.today()) {
        if (form.updateStopRequested()) {
            end = UpdateEnd::Stopped;
            break;
        }
        form.DateTimePicker1->setDate(week);
        while (static_cast<int>(addresses.size()) < requests->capacity() &&
               nextToSend <= platform.today()) {
            const HttpRequest request = weekRequest(form, nextToSend);
            requests->send(request);
            addresses.push_back(addressOf(request));
            nextToSend += ZiehungsAbstand;
        }
        const int done = static_cast<int>((week - firstWeek) / ZiehungsAbstand);
        form.StatusBar1->setProgress(
            {done, weeks,
             form.addedTexts.format(AddedText::UpdateProgress,
                                    {std::to_string(done + 1), std::to_string(weeks)})});
        form.StatusBar1->setPanelText(0, "Loading");

        const HttpResponse response = requests->takeNext();
        const std::string address = addresses.front();
        addresses.pop_front();
        const WeekAnswer verdict = judgeWeekAnswer(response);
        if (verdict == WeekAnswer::EndUpdate) {
            end = endAtFailedWeek(form, response, address, start);
            break;
        }
        form.StatusBar1->setPanelText(0, shownStatusLine(response));
        form.StatusBar1->setPanelText(1, form.msg(Msg::NoGuarantee));
        if (verdict == WeekAnswer::Store && !storeWeekDraws(form, history, response.body, week))
            return UpdateEnd::Malformed;
        week += ZiehungsAbstand;
    }
    if (end == UpdateEnd::Stopped)
        form.StatusBar1->setPanelText(0, form.msg(AddedText::UpdateStopped));
    form.DateTimePicker1->setDate(week);
    return end;
}

// Where a rebuild builds the new history, beside the old one, under a name
// nothing takes for the history: the old one stays in place until the new
// one is complete.
std::filesystem::path rebuildPath(const TForm1& form) {
    return form.historyPath() + ".neu~";
}

// The first draw of a rebuilt history: the update begins an empty history
// with it and asks for the weeks after it.
double rebuildStartDate() {
    return ersteZiehungRecord().Datum;
}

// A rebuild that did not finish: the player learns that the history is the
// one they had, and the window shows it again where it stood before.
void keepHistoryAfterRebuild(TForm1& form, double shownDate, bool showBox) {
    removeInterruptedRebuild(form);
    const std::string text = form.msg(AddedText::RebuildNotFinished);
    // The reason the update gave stays at hand in the panel's tool-tip.
    form.StatusBar1->setPanelHint(0, form.StatusBar1->panelText(0));
    form.StatusBar1->setPanelText(0, text);
    if (showBox) form.platform().messageBox(kApplicationTitle, text, MessageButtons::Ok);
    form.DateTimePicker1->setDate(shownDate);
}

}  // namespace

UpdateEnd downloadNewDraws(TForm1& form, UpdateStart start) {
    if (form.updateRunning()) return UpdateEnd::Busy;
    const UpdateEnd end = runUpdate(form, HistoryFile(form.historyPath()), start);
    // After an answer that is no list of draws, or before a damaged
    // history, the window is left as the message found it.
    if (end == UpdateEnd::Malformed || end == UpdateEnd::Damaged) return end;
    showDrawOfPickedDate(form);
    return end;
}

void removeInterruptedRebuild(const TForm1& form) {
    std::error_code ignored;
    std::filesystem::remove(rebuildPath(form), ignored);
}

void rebuildHistory(TForm1& form) {
    if (form.updateRunning()) return;
    Platform& platform = form.platform();
    const std::string text = form.addedTexts.format(
        AddedText::RebuildQuestion, {formatShortDate(rebuildStartDate(), form.locale())});
    // No is the default: Enter must not replace the whole history.
    if (platform.messageBox(form.msg(AddedText::RebuildCaption), text, MessageButtons::YesNo,
                            DialogResult::No) != DialogResult::Yes)
        return;
    const HistoryFile history(form.historyPath());
    // With no draw stored there is nothing to keep: the rebuild is the
    // update of a new history, whatever it brings. (A directory, pipe or
    // device in the history's place is refused here, before any request.)
    if (!history.exists() || history.readAll().empty()) {
        std::error_code ignored;
        std::filesystem::remove(history.path(), ignored);
        downloadNewDraws(form);
        return;
    }

    // The new history is built beside the old one, which it replaces in one
    // step only once it is complete: a server that fails, a stop or the end
    // of the program midway leave the old history whole.
    const HistoryFile rebuilt(rebuildPath(form));
    removeInterruptedRebuild(form);  // a rebuild that was killed must not be continued
    const double shownDate = form.DateTimePicker1->date();
    UpdateEnd end = UpdateEnd::Interrupted;
    try {
        end = runUpdate(form, rebuilt, UpdateStart::ByUser);
        // In one step, through a file that is on disk before it takes the
        // history's place; a failure leaves the old history in place.
        if (end == UpdateEnd::UpToDate) {
            history.rewrite(rebuilt.readAll());
            removeInterruptedRebuild(form);
        }
    } catch (...) {
        keepHistoryAfterRebuild(form, shownDate, false);  // the error box says why
        throw;
    }
    // A stop is the player's own doing: the status bar says enough.
    if (end != UpdateEnd::UpToDate)
        keepHistoryAfterRebuild(form, shownDate, end != UpdateEnd::Stopped);
    showDrawOfPickedDate(form);
}

void stopDownload(TForm1& form) {
    form.SpeedButton8->setVisible(false);
}

}  // namespace kugel
