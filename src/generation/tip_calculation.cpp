#include "generation/tip_calculation.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "controls/value_text.h"
#include "draws/draw_browser.h"
#include "draws/draw_display.h"
#include "draws/ticket_check.h"
#include "generation/calculation_snapshot.h"
#include "generation/number_choice_dialog.h"
#include "generation/powerball_choice.h"
#include "generation/row_filters.h"
#include "generation/ticket_editing.h"
#include "model/added_texts.h"
#include "model/history_file.h"
#include "model/main_window.h"
#include "model/message_table.h"
#include "platform/busy_cursor.h"

namespace kugel {
namespace {

using Clock = std::chrono::steady_clock;

EventPacing gPacing;

// Runs at which the history limits are relaxed, counted back from the budget.
constexpr int kRelaxEverMark = 20000;
constexpr int kRelaxFirstMark = 10000;
constexpr int kRelaxSecondMark = 5000;
constexpr RunCount kNoMark = std::numeric_limits<RunCount>::max();
// From the third row on the relaxation marks apply.
constexpr int kFirstRelaxedRow = 2;

DrawFields displayedDraw(const TForm1& form) {
    DrawFields d{};
    for (std::size_t i = 0; i < d.size(); ++i) d[i] = form.Zahl[i + 1];
    return d;
}

RowPositions referencePositions(const DrawFields& d) {
    std::array<int, ZahlenProReihe> numbers{};
    std::copy_n(d.begin(), ZahlenProReihe, numbers.begin());
    return rowPositions(numbers);
}

// A locked row as its edits hold it; what does not read as a number is 0.
std::array<int, ZahlenProReihe> lockedRowNumbers(const TicketRow& row) {
    std::array<int, ZahlenProReihe> numbers{};
    for (std::size_t k = 0; k < numbers.size(); ++k)
        numbers[k] = parseInt(row.numbers[k]->text()).value_or(0);
    return numbers;
}

// Puts back, on every way out of a calculation, what it changes for its
// duration: the settings it relaxes, the running flag, the button caption
// and the ticket check's permission.
class CalculationState {
  public:
    explicit CalculationState(TForm1& form)
        : form_(form),
          sortieren_(form.sortieren),
          forcePair_(form.settings.CheckBox8->checked()),
          referenceMax_(form.settings.UpDown4->position()),
          secondMax_(form.settings.UpDown5->position()),
          everHits_(form.settings.UpDown6->position()) {}
    CalculationState(const CalculationState&) = delete;
    CalculationState& operator=(const CalculationState&) = delete;
    ~CalculationState() { restore(); }

    // The normal end leaves the ticket check allowed.
    void keepSortieren() { keepSortieren_ = true; }

    void restore() {
        if (restored_) return;
        restored_ = true;
        SettingsControls& s = form_.settings;
        s.CheckBox8->setChecked(forcePair_);
        if (s.UpDown4->position() != referenceMax_) s.UpDown4->setPosition(referenceMax_);
        if (s.UpDown5->position() != secondMax_) s.UpDown5->setPosition(secondMax_);
        if (s.UpDown6->position() != everHits_) s.UpDown6->setPosition(everHits_);
        form_.Berechnunglaeuft = false;
        form_.ticket.BitBtn4->setCaption(form_.Tippsberechnen);
        if (!keepSortieren_) form_.sortieren = sortieren_;
    }

  private:
    TForm1& form_;
    bool sortieren_;
    bool forcePair_;
    int referenceMax_;
    int secondMax_;
    int everHits_;
    bool keepSortieren_ = false;
    bool restored_ = false;
};

// One calculation from the preparation to the end.
class TipCalculation {
  public:
    explicit TipCalculation(TForm1& form) : form_(form), pacing_(gPacing) {}
    TipCalculation(const TipCalculation&) = delete;
    TipCalculation& operator=(const TipCalculation&) = delete;
    ~TipCalculation() {
        if (rngIsLocal_) form_.random = rng_;
    }

    CalculationReport run();

  private:
    void status(const std::string& text) { form_.StatusBar1->setPanelText(1, text); }
    bool prepare();
    void drawRows();
    bool drawRow(int k, Candidate& c);
    bool drawCandidates(int k, RunCount from, RunCount end, Candidate& out);
    void handleEvents(int k);
    void refreshSnapshot();
    void preparePowerball();
    void applyMarks(int k);
    void planNextMark(int k);

    TForm1& form_;
    EventPacing pacing_;
    std::optional<BusyCursor> busy_;
    CalculationReport report_;

    std::array<DrawFields, 3> references_{};
    std::vector<std::uint8_t> pool_;
    bool poolUsable_ = false;
    std::optional<HistoryIndex> history_;
    HistoryWindow ever_;
    HistoryWindow recent_;
    bool windowsSelected_ = false;
    double everAfter_ = 0, recentAfter_ = 0, windowEnd_ = 0;

    std::optional<PowerballStatistics> powerballStats_;
    PowerballChoice powerball_;

    CalculationSnapshot snap_;
    FilterInputs inputs_;
    std::array<RowPositions, MaxTipps> accepted_{};

    // The shared generator lives here while rows are drawn and goes back to
    // the form whenever something else may use it.
    Random rng_;
    bool rngIsLocal_ = false;
    RunCount runs_ = 0;
    RunCount nextEvents_ = 0;
    RunCount nextMark_ = kNoMark;
    bool eventsHandled_ = false;
    Clock::time_point lastEvents_{};
    Clock::time_point lastStatus_{};
    bool statusShown_ = false;
    int lastRow_ = 0;
    Candidate last_{};
    bool haveLast_ = false;
};

CalculationReport TipCalculation::run() {
    CalculationState state(form_);
    if (!prepare()) {
        report_.cancelled = true;
        return report_;
    }
    drawRows();

    form_.sortieren = true;
    state.keepSortieren();
    Komplettcheck(form_);
    busy_.reset();

    report_.runs = runs_;
    report_.budgetUsedUp = report_.budgetUsedUp || runs_ >= form_.LaufMax;
    report_.stopped = form_.stopRequested();
    status(form_.msg(report_.budgetUsedUp ? Msg::CalculationBudgetUsedUp : Msg::CalculationDone));
    if (report_.stopped) form_.StatusBar1->setPanelText(0, form_.msg(Msg::CalculationStop));
    state.restore();
    return report_;
}

bool TipCalculation::prepare() {
    TForm1& f = form_;
    f.sortieren = false;
    f.LaufMax = runBudget(f.settings.UpDown7->position());
    busy_.emplace(f.platform());

    references_ = findReferenceDraws(f);
    clearUnlockedRows(f);

    // Nothing before the pool is built handles events: these are the
    // settings as the user started the calculation with them.
    const CalculationSnapshot settings = readSnapshot(f);
    Pool pool;
    buildPool(f, settings, references_, pool);
    if (settings.pool.showList) {
        f.PageControl1->setActivePage(f.TabSheet1);
        busy_.reset();  // the user works in the list
        const PoolListResult choice = editPoolInList(f, pool);
        if (choice == PoolListResult::Cancel) return false;
        busy_.emplace(f.platform());
    }
    // A pool without six different numbers can never complete a row.
    poolUsable_ = differentNumbers(pool) >= ZahlenProReihe;
    pool_.reserve(pool.size());
    for (const int n : pool)
        pool_.push_back(static_cast<std::uint8_t>(n >= 0 && n <= MaxZahl ? n : 0));

    // The history tests see the draws as they are now, read once.
    history_.emplace(*f.historyRecords());
    for (std::size_t r = 0; r < references_.size(); ++r)
        inputs_.references[r] = referencePositions(references_[r]);
    inputs_.ever = &ever_;
    inputs_.recent = &recent_;
    inputs_.earlierRows = accepted_.data();

    status(f.msg(Msg::CalculationBegins));
    f.Berechnunglaeuft = true;
    runs_ = 0;
    f.PageControl1->setActivePage(f.TabSheet1);
    return true;
}

void TipCalculation::drawRows() {
    refreshSnapshot();
    rng_ = form_.random;
    rngIsLocal_ = true;
    for (int k = 0; k < MaxTipps; ++k) {
        const TicketRow& row = form_.ticket.rows[static_cast<std::size_t>(k)];
        if (isLocked(row)) {
            // Kept as it stands; it still counts for the overlap of later rows.
            accepted_[static_cast<std::size_t>(k)] = rowPositions(lockedRowNumbers(row));
            continue;
        }
        Candidate c;
        bool complete = false;
        if (k == 0 || (runs_ < snap_.laufMax && k < snap_.rowsWanted)) complete = drawRow(k, c);

        std::array<int, ZahlenProReihe> numbers{};
        int powerball = 0;
        if (complete) {
            numbers = ascendingNumbers(c.numbers);
            powerball = c.powerball;
        }
        row.sum->setCaption(std::to_string(complete ? c.sum : 0));
        form_.random = rng_;  // writing the row runs the edits' handlers
        writeRow(row, numbers, powerball);
        rng_ = form_.random;
        accepted_[static_cast<std::size_t>(k)] = rowPositions(numbers);
    }
    form_.random = rng_;
    rngIsLocal_ = false;
}

bool TipCalculation::drawRow(int k, Candidate& c) {
    if (!poolUsable_) {
        report_.budgetUsedUp = true;
        return false;
    }
    inputs_.earlierCount = k;
    planNextMark(k);
    for (;;) {
        if (runs_ >= snap_.laufMax || snap_.stopRequested) return false;
        if (runs_ >= nextEvents_) handleEvents(k);
        if (snap_.stopRequested) {
            // A stop asked for before this candidate throws it away; its
            // numbers are still drawn, as the generator's sequence has it.
            ++runs_;
            if (runs_ >= nextMark_) applyMarks(k);
            drawSix(rng_, pool_.data(), static_cast<std::uint32_t>(pool_.size()), c);
            continue;
        }
        if (!powerballStats_) preparePowerball();
        if (runs_ + 1 >= nextMark_) {
            // A run that changes settings first goes alone.
            ++runs_;
            applyMarks(k);
            if (drawCandidates(k, runs_ - 1, runs_, c)) return true;
            continue;
        }
        // Up to the next handling of events, mark or the end of the budget
        // nothing but the candidates changes.
        const RunCount end = std::min({snap_.laufMax, nextEvents_, nextMark_ - 1});
        if (drawCandidates(k, runs_, end, c)) return true;
    }
}

// The candidate loop proper: runs `from`+1 .. `end` with nothing changing
// but the generator, so everything it reads is copied to locals first.
bool TipCalculation::drawCandidates(int k, RunCount from, RunCount end, Candidate& out) {
    const CalculationSnapshot settings = snap_;
    FilterInputs in = inputs_;
    in.settings = &settings;
    const PowerballChoice powerball = powerball_;
    const std::uint8_t* pool = pool_.data();
    const auto size = static_cast<std::uint32_t>(pool_.size());
    Random rng = rng_;

    Candidate c;
    bool accepted = false;
    RunCount runs = from;
    while (runs < end) {
        ++runs;
        drawSix(rng, pool, size, c);
        c.powerball = powerball.choose(rng);
        if (passesAllFilters(in, c)) {
            accepted = true;
            break;
        }
    }
    rng_ = rng;
    runs_ = runs;
    lastRow_ = k;
    last_ = c;
    haveLast_ = true;
    if (accepted) out = c;
    return accepted;
}

void TipCalculation::handleEvents(int k) {
    const Clock::time_point now = Clock::now();
    nextEvents_ =
        runs_ + static_cast<RunCount>(std::max<std::uint32_t>(pacing_.runsBetweenClockChecks, 1));
    if (eventsHandled_ && now - lastEvents_ < pacing_.interval) return;
    eventsHandled_ = true;
    lastEvents_ = now;

    if (haveLast_ && (!statusShown_ || now - lastStatus_ >= pacing_.statusInterval)) {
        status(candidateStatus(form_, lastRow_ + 1, last_));
        statusShown_ = true;
        lastStatus_ = now;
    }
    form_.random = rng_;
    rngIsLocal_ = false;
    form_.platform().processEvents();
    rng_ = form_.random;
    rngIsLocal_ = true;
    refreshSnapshot();
    planNextMark(k);
}

void TipCalculation::refreshSnapshot() {
    const CalculationSnapshot before = snap_;
    snap_ = readSnapshot(form_);
    inputs_.settings = &snap_;

    const double everAfter = snap_.start;
    const double recentAfter = snap_.end - ZiehungsAbstand * snap_.recentWeeks;
    if (!windowsSelected_ || everAfter != everAfter_ || recentAfter != recentAfter_ ||
        snap_.end != windowEnd_) {
        history_->select(everAfter, snap_.end, ever_);
        history_->select(recentAfter, snap_.end, recent_);
        everAfter_ = everAfter;
        recentAfter_ = recentAfter;
        windowEnd_ = snap_.end;
        windowsSelected_ = true;
    }
    if (powerballStats_ && (snap_.powerballRule != before.powerballRule ||
                            snap_.refuseRecentPowerball != before.refuseRecentPowerball ||
                            snap_.refuseBelow != before.refuseBelow))
        powerball_.prepare(*powerballStats_, snap_.powerballRule, snap_.refuseRecentPowerball,
                           snap_.refuseBelow);
}

void TipCalculation::preparePowerball() {
    // The Powerball statistics are the same for every candidate; the chart
    // is left with the Powerball frequency, as after any choice.
    form_.random = rng_;
    powerballStats_ = readPowerballStatistics(form_);
    rng_ = form_.random;
    powerball_.prepare(*powerballStats_, snap_.powerballRule, snap_.refuseRecentPowerball,
                       snap_.refuseBelow);
    if (powerball_.withoutDraws())
        form_.StatusBar1->setPanelText(0, form_.msg(AddedText::PowerballWithoutDraws));
}

void TipCalculation::planNextMark(int k) {
    const RunCount budget = snap_.laufMax;
    RunCount marks[] = {budget / 2, kNoMark, kNoMark, kNoMark};
    if (k >= kFirstRelaxedRow) {
        marks[1] = budget - kRelaxEverMark;
        marks[2] = budget - kRelaxFirstMark;
        marks[3] = budget - kRelaxSecondMark;
    }
    nextMark_ = kNoMark;
    for (const RunCount m : marks)
        if (m > runs_ && m < nextMark_) nextMark_ = m;
}

void TipCalculation::applyMarks(int k) {
    SettingsControls& s = form_.settings;
    const RunCount budget = snap_.laufMax;
    bool changed = false;
    // Halfway through the budget the forced pair is given up.
    if (runs_ == budget / 2) {
        s.CheckBox8->setChecked(false);
        changed = true;
    }
    if (k >= kFirstRelaxedRow) {
        if (runs_ == budget - kRelaxEverMark) {
            s.UpDown6->setPosition(6);
            changed = true;
        }
        if (runs_ == budget - kRelaxFirstMark) {
            s.UpDown5->setPosition(2);
            s.UpDown4->setPosition(1);
            changed = true;
        }
        if (runs_ == budget - kRelaxSecondMark) {
            s.UpDown5->setPosition(3);
            s.UpDown4->setPosition(2);
            changed = true;
        }
    }
    if (changed) refreshSnapshot();
    planNextMark(k);
}

}  // namespace

void setEventPacing(const EventPacing& pacing) {
    gPacing = pacing;
}

EventPacing eventPacing() {
    return gPacing;
}

std::array<DrawFields, 3> referenceDraws(const std::vector<TZiehung>& records, double day,
                                         const DrawFields& shownBefore) {
    std::array<DrawFields, 3> refs{};
    refs[0] = shownBefore;
    if (records.empty()) return refs;
    const auto fields = [&records](std::size_t i) {
        DrawFields d{};
        std::copy(records[i].Zahlen.begin(), records[i].Zahlen.end(), d.begin());
        return d;
    };
    const DrawLocation at = locateDraw(records, day);
    if (at.shown) refs[0] = fields(at.index);
    const std::size_t before = at.index > 0 ? at.index - 1 : 0;
    refs[1] = fields(before);
    refs[2] = fields(before > 0 ? before - 1 : 0);
    return refs;
}

std::array<DrawFields, 3> findReferenceDraws(TForm1& form) {
    const double remembered = form.DateTimePicker1->date();
    const DrawFields shownBefore = displayedDraw(form);
    // The user watches the reference draws go by: the draw of the end date
    // and two steps back, each checked against the ticket.
    showDrawOfPickedDate(form);
    showPreviousDraw(form);
    showPreviousDraw(form);
    // The display has created a missing history by now.
    const std::array<DrawFields, 3> refs =
        referenceDraws(*form.historyRecords(), std::round(remembered), shownBefore);
    form.DateTimePicker1->setDate(remembered);  // a date the picker refuses is ignored
    showDrawOfPickedDate(form);
    return refs;
}

std::string candidateStatus(const TForm1& form, int row, const Candidate& c) {
    const std::array<int, ZahlenProReihe> n = ascendingNumbers(c.numbers);
    const char* separator = row == 1 ? "  CS: " : row == 2 ? "   CS: " : "    CS: ";
    std::string text = std::to_string(row) + "." + form.msg(Msg::Tip) + ":  " +
                       std::to_string(n[0]) + " " + std::to_string(n[1]);
    for (std::size_t k = 2; k < n.size(); ++k) text += "  " + std::to_string(n[k]);
    return text + separator + std::to_string(c.sum);
}

namespace {

// A caption as a field's name: the runs of blanks that leave room for the
// edits become an ellipsis, a closing colon goes.
std::string fieldName(const std::string& caption) {
    std::string name;
    for (std::size_t i = 0; i < caption.size();) {
        if (caption.compare(i, 2, "  ") == 0) {
            while (i < caption.size() && caption[i] == ' ') ++i;
            name += " … ";
            continue;
        }
        name += caption[i++];
    }
    while (!name.empty() && (name.back() == ' ' || name.back() == ':')) name.pop_back();
    return name;
}

// Settings under which no row can pass would only empty the ticket: they
// are named before anything is touched.
void refuseInvertedRange(const TForm1& form) {
    const InvertedRange inverted = findInvertedRange(readSnapshot(form));
    std::string name;
    switch (inverted.range) {
        case SettingsRange::None:
            return;
        case SettingsRange::RowSum:
            if (const Component* label = form.find("QuersummenLabel"))
                name = fieldName(label->caption());
            break;
        case SettingsRange::SharedNumbers:
            name = fieldName(form.settings.CheckBox24->caption()) + " / " +
                   fieldName(form.settings.CheckBox3->caption());
            break;
    }
    throw TextError(AddedText::RangeInverted,
                    {name, std::to_string(inverted.low), std::to_string(inverted.high)});
}

}  // namespace

std::optional<CalculationReport> startOrStopCalculation(TForm1& form) {
    Button& button = *form.ticket.BitBtn4;
    if (form.Tippsberechnen.empty()) form.Tippsberechnen = button.caption();
    if (form.calculationStarted()) {
        button.setCaption(form.Tippsberechnen);  // the running calculation notices this
        return std::nullopt;
    }
    // A stop is already on its way; a second calculation must not start
    // inside the first one's event handling.
    if (form.calculationRunning()) return std::nullopt;
    refuseInvertedRange(form);
    button.setCaption(form.msg(Msg::CalculationStop));
    const double endBefore = form.DateTimePicker1->date();
    std::optional<CalculationReport> report = TipCalculation(form).run();
    if (report && !report->cancelled) {
        // The end date may have moved while the rows were drawn; the later
        // one bounds what the calculation saw.
        TForm1::CalculatedTicket made{std::max(endBefore, form.DateTimePicker1->date()), {}};
        for (const TicketRow& row : form.ticket.rows) {
            std::array<std::string, 7> texts;
            for (std::size_t k = 0; k < row.numbers.size(); ++k) texts[k] = row.numbers[k]->text();
            texts[6] = row.powerball->text();
            made.rows.push_back(texts);
        }
        form.calculatedTicket = std::move(made);
    }
    return report;
}

void registerTipCalculationHandlers(TForm1& form) {
    form.addHandler("Label28Click", [&form](Component*) { startOrStopCalculation(form); });
    form.addHandler("Berechnen1Click", [&form](Component*) { startOrStopCalculation(form); });
}

}  // namespace kugel
