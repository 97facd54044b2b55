#include "generation/number_choice_dialog.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "controls/color.h"
#include "controls/control_table.h"
#include "controls/value_text.h"
#include "model/added_texts.h"
#include "model/main_window.h"
#include "model/message_table.h"
#include "model/program_windows.h"
#include "model/random.h"
#include "platform/codepage.h"
#include "platform/dates.h"
#include "platform/durable_file.h"
#include "platform/platform.h"
#include "platform/text_excerpt.h"

namespace kugel {

namespace {

constexpr int kPerRow = 10;
constexpr int kBoxLeft = 12;
constexpr int kBoxTop = 12;
constexpr int kBoxPitchX = 58;  // room for a weight beside the number
constexpr int kBoxPitchY = 26;
constexpr int kBoxWidth = 56;
constexpr int kBoxHeight = 21;
constexpr int kButtonHeight = 28;
constexpr int kClientWidth = 2 * kBoxLeft + (kPerRow - 1) * kBoxPitchX + kBoxWidth;

// The buttons sit below the last row of numbers shown.
int buttonTop(int shownNumbers) {
    const int rows = (shownNumbers + kPerRow - 1) / kPerRow;
    return kBoxTop + rows * kBoxPitchY + 12;
}

constexpr const char* kListFilter = "Werteliste|*.qlw";
constexpr const char* kListExtension = "qlw";
// Forty short lines make a list; a file far larger is none, and reading it
// whole would only cost memory.
constexpr std::size_t kMaxListFileBytes = 1024 * 1024;
// How much of a bad line the message quotes.
constexpr std::size_t kQuotedLineChars = 200;

// A bad line as the message quotes it: its beginning, with what cannot be
// seen written out.
std::string quotedLine(const std::string& line) {
    const TextExcerpt shown = leadingExcerpt(line, kQuotedLineChars);
    return withVisibleControls(shown.text) + (shown.omitted > 0 ? "..." : "");
}

// A weight beyond this is no sensible preference; it would only make the
// rebuilt pool huge.
constexpr int kMaxWeight = 10000;

// The weight a hint stands for in a rebuild: at least 1 for a checked number.
int weightOfHint(const std::string& hint) {
    const auto w = parseInt(trimmed(hint));
    if (!w || *w < 1) return 1;
    return std::min(*w, kMaxWeight);
}

std::string proposedListFile(Platform& platform) {
    return formatYyyymmdd(platform.today()) + "." + kListExtension;
}

}  // namespace

TForm6::TForm6(Platform& platform) : Form("Form6", platform) {
    setCaption("Welche Zahlen für die Berechnung");
    setFontHeight(13);
    layout();
    registerHandlers();
    setBounds(200, 150, kClientWidth, 0);
    showNumbers();
}

namespace {

// A box per number in rows of kPerRow (showNumbers moves them to their
// places for the game), then the buttons on one line below them; their
// tops follow the boxes shown.
ControlRows designedRows() {
    ControlRows rows;
    for (int i = 1; i <= TForm6::kBoxes; ++i) {
        const int row = (i - 1) / kPerRow;
        const int col = (i - 1) % kPerRow;
        rows.push_back({.kind = Kind::CheckBox,
                        .name = "CheckBox" + std::to_string(i),
                        .bounds = {kBoxLeft + col * kBoxPitchX, kBoxTop + row * kBoxPitchY,
                                   kBoxWidth, kBoxHeight},
                        .caption = std::to_string(i),
                        .events = {{"OnClick", "CheckBoxClick"}}});
    }
    // "&Rechnen" serves the calculation, "&Zufall" the tip editor; only one
    // of them shows at a time, so they share a place.
    constexpr int kRight = kClientWidth - kBoxLeft;
    return concatenate({
        rows,
        {
            {.kind = Kind::SpeedButton,
             .name = "SpeedButton1",
             .bounds = {kBoxLeft, 0, 72, kButtonHeight},
             .caption = "Speichern",
             .hint = "Speichern der Liste",
             .events = {{"OnClick", "SpeedButton1Click"}}},
            {.kind = Kind::SpeedButton,
             .name = "SpeedButton2",
             .bounds = {kBoxLeft + 78, 0, 72, kButtonHeight},
             .caption = "Laden",
             .hint = "Laden der Liste",
             .events = {{"OnClick", "SpeedButton2Click"}}},
            {.kind = Kind::BitBtn,
             .name = "BitBtn3",
             .bounds = {kRight - 3 * 88 - 2 * 6, 0, 88, kButtonHeight},
             .caption = "&Rechnen",
             .modalResult = DialogResult::Retry},  // rebuild the pool
            {.kind = Kind::BitBtn,
             .name = "BitBtn4",
             .bounds = {kRight - 3 * 88 - 2 * 6, 0, 88, kButtonHeight},
             .caption = "&Zufall",
             .visible = false,
             .events = {{"OnClick", "BitBtn4Click"}}},
            {.kind = Kind::BitBtn,
             .name = "BitBtn1",
             .bounds = {kRight - 2 * 88 - 6, 0, 88, kButtonHeight},
             .caption = "OK",
             .modalResult = DialogResult::Ok},
            {.kind = Kind::BitBtn,
             .name = "BitBtn2",
             .bounds = {kRight - 88, 0, 88, kButtonHeight},
             .caption = "Abbrechen",
             .modalResult = DialogResult::Abort},
            {.kind = Kind::Timer,
             .name = "Timer1",
             .interval = 25,
             .events = {{"OnTimer", "Timer1Timer"}}},
            {.kind = Kind::SaveDialog, .name = "SaveDialog1"},
            {.kind = Kind::OpenDialog, .name = "OpenDialog1"},
        },
    });
}

}  // namespace

void TForm6::layout() {
    static const ControlRows rows = designedRows();
    buildControls(*this, rows);
    for (int i = 1; i <= kBoxes; ++i)
        bindMember(*this, "CheckBox" + std::to_string(i),
                   checkBoxes[static_cast<std::size_t>(i - 1)]);
    bindMember(*this, "SpeedButton1", SpeedButton1);
    bindMember(*this, "SpeedButton2", SpeedButton2);
    bindMember(*this, "BitBtn3", BitBtn3);
    bindMember(*this, "BitBtn4", BitBtn4);
    bindMember(*this, "BitBtn1", BitBtn1);
    bindMember(*this, "BitBtn2", BitBtn2);
    bindMember(*this, "Timer1", Timer1);
    bindMember(*this, "SaveDialog1", SaveDialog1);
    bindMember(*this, "OpenDialog1", OpenDialog1);
    for (FileDialog* d : {SaveDialog1, OpenDialog1}) {
        d->filter = kListFilter;
        d->defaultExt = kListExtension;
    }
}

void TForm6::registerHandlers() {
    addHandler("FormShow", [this](Component*) { showNumbersAndWeights(); });
    addHandler("FormClose", [this](Component*) { endRandomPickOnClose(); });
    addHandler("SpeedButton1Click", [this](Component*) { saveList(); });
    addHandler("SpeedButton2Click", [this](Component*) { loadList(); });
    addHandler("BitBtn4Click", [this](Component*) { startOrStopRandomPick(); });
    addHandler("Timer1Timer", [this](Component*) { pickRandomNumbers(); });
    addHandler("CheckBoxClick", [this](Component* sender) {
        for (int i = 1; i <= kBoxes; ++i)
            if (&box(i) == sender) showWeight(i);
    });

    bindEvent("OnShow", "FormShow");
    bindEvent("OnClose", "FormClose");

    addField("MaxZahl", {[this] { return std::to_string(MaxZahl); },
                         [this](const std::string& v) {
                             const auto n = parseInt(v);
                             if (!n || *n < 1 || *n > kBoxes) return false;
                             MaxZahl = *n;
                             return true;
                         }});
    addField("MaxTipp", {[this] { return std::to_string(MaxTipp); },
                         [this](const std::string& v) {
                             const auto n = parseInt(v);
                             if (!n || *n < 1 || *n > kMaxPositions) return false;
                             MaxTipp = *n;
                             return true;
                         }});
    addField("Losgeht", {[this] { return std::to_string(Losgeht); }, {}});
    addField("Tippreihe", {[this] {
                               std::string text;
                               for (int p = 1; p <= pickPositions(); ++p) {
                                   if (p > 1) text += ' ';
                                   text += std::to_string(Tippreihe[static_cast<std::size_t>(p)]);
                               }
                               return text;
                           },
                           {}});
    addField("Zufall", {[this] { return Zufall; },
                        [this](const std::string& v) {
                            Zufall = v;
                            return true;
                        }});
    addField("Stopp", {[this] { return Stopp; },
                       [this](const std::string& v) {
                           Stopp = v;
                           return true;
                       }});
}

CheckBox& TForm6::box(int number) const {
    if (number < 1 || number > kBoxes)
        throw std::out_of_range("no check box for number " + std::to_string(number));
    return *checkBoxes[static_cast<std::size_t>(number - 1)];
}

int TForm6::shownNumbers() const {
    return std::clamp(MaxZahl, 1, kBoxes);
}

// The pick can never choose more different numbers than there are.
int TForm6::pickPositions() const {
    return std::clamp(MaxTipp, 1, std::min(kMaxPositions, shownNumbers()));
}

void TForm6::showNumbers() {
    const int shown = shownNumbers();
    for (int i = 1; i <= kBoxes; ++i) box(i).setVisible(i <= shown);
    const int top = buttonTop(shown);
    for (Button* b : {SpeedButton1, SpeedButton2, BitBtn1, BitBtn2, BitBtn3, BitBtn4}) {
        const Bounds& r = b->bounds();
        if (r.top != top) b->setBounds(r.left, top, r.width, r.height);
    }
    const int height = top + kButtonHeight + 12;
    if (bounds().height != height) setBounds(bounds().left, bounds().top, kClientWidth, height);
}

void TForm6::resetBoxes() {
    for (int i = 1; i <= shownNumbers(); ++i) {
        box(i).setChecked(false);
        box(i).setColor(clInfoBk);
    }
    showNumbers();
}

void TForm6::showWeight(int i) {
    CheckBox& c = box(i);
    std::string caption = std::to_string(i);
    if (showWeights && c.checked()) caption += " \u00d7" + std::to_string(weightOfHint(c.hint()));
    if (c.caption() != caption) c.setCaption(caption);
}

void TForm6::showNumbersAndWeights() {
    showNumbers();
    for (int i = 1; i <= kBoxes; ++i) showWeight(i);
}

void TForm6::endRandomPickOnClose() {
    showWeights = false;
    for (int i = 1; i <= kBoxes; ++i) showWeight(i);
    Timer1->setEnabled(false);
    BitBtn4->setCaption(Zufall);
    Losgeht = 1;
}

void TForm6::saveList() {
    const auto file = platform().saveFileDialog(SaveDialog1->filter, proposedListFile(platform()),
                                                SaveDialog1->defaultExt);
    if (!file) return;
    SaveDialog1->fileName = *file;

    std::vector<std::string> lines;
    for (int i = 1; i <= shownNumbers(); ++i) {
        CheckBox& c = box(i);
        if (c.checked()) {
            if (c.hint().empty()) c.setHint("1");
            lines.push_back(c.hint());
        } else {
            lines.emplace_back();
        }
    }
    // A failed write leaves an existing list as it was.
    const std::filesystem::path target(*file);
    replaceFileAtomically(target, encodeAnsiLines(lines));
}

void TForm6::loadList() {
    const auto file = platform().openFileDialog(OpenDialog1->filter, proposedListFile(platform()),
                                                OpenDialog1->defaultExt);
    if (!file) return;
    OpenDialog1->fileName = *file;

    const std::vector<std::string> lines =
        splitLines(decodeTextFile(readWholeFile(*file, kMaxListFileBytes)));
    // Every line is checked before the list changes, so a bad file leaves
    // the list as it was.
    const int shown = shownNumbers();
    std::vector<std::string> weights(static_cast<std::size_t>(shown));
    for (int i = 1; i <= shown; ++i) {
        const std::size_t k = static_cast<std::size_t>(i - 1);
        if (k >= lines.size()) continue;
        const std::string text = trimmed(lines[k]);
        if (text.empty()) continue;
        const auto w = parseInt(text);
        if (!w || *w < 0 || *w > kMaxWeight)
            throw TextError(
                AddedText::BadWeightLine,
                {*file, std::to_string(i), quotedLine(lines[k]), std::to_string(kMaxWeight)});
        weights[k] = std::to_string(*w);
    }
    for (int i = 1; i <= shown; ++i) {
        CheckBox& c = box(i);
        const std::string& w = weights[static_cast<std::size_t>(i - 1)];
        c.setHint(w.empty() ? "1" : w);
        c.setChecked(!w.empty());
        showWeight(i);
    }
}

void TForm6::startOrStopRandomPick() {
    if (!Timer1->enabled()) {
        if (!random) throw std::logic_error("the random pick has no generator");
        resetBoxes();
        Tippreihe.fill(0);
        Losgeht = 1;
        Timer1->setEnabled(true);
    } else if (Losgeht < pickPositions()) {
        ++Losgeht;
    } else {
        // Stopped before any tick: complete the pick so it always ends with
        // all its numbers chosen.
        const int positions = pickPositions();
        for (int p = 1; p <= positions; ++p) {
            if (Tippreihe[static_cast<std::size_t>(p)] == 0) {
                pickRandomNumbers();
                break;
            }
        }
        Timer1->setEnabled(false);
        BitBtn4->setCaption(Zufall);
        Losgeht = 1;
    }
}

void TForm6::pickRandomNumbers() {
    if (!random) throw std::logic_error("the random pick has no generator");
    const int shown = shownNumbers();
    const int positions = pickPositions();
    Losgeht = std::clamp(Losgeht, 1, positions);
    BitBtn4->setCaption(std::to_string(Losgeht) + " " + Stopp);
    for (int i = 1; i <= shown; ++i) {
        box(i).setChecked(false);
        box(i).setColor(clInfoBk);
    }
    // Frozen positions keep their numbers; one frozen before any tick chose
    // it is drawn with the rest.
    for (int p = 1; p < Losgeht; ++p) {
        const int a = Tippreihe[static_cast<std::size_t>(p)];
        if (a < 1 || a > shown || box(a).checked()) {
            Tippreihe[static_cast<std::size_t>(p)] = 0;
            continue;
        }
        box(a).setChecked(true);
        box(a).setColor(clYellow);
    }
    for (int p = 1; p <= positions; ++p) {
        if (p < Losgeht && Tippreihe[static_cast<std::size_t>(p)] != 0) continue;
        int a = 0;
        do {
            a = static_cast<int>(random->next(static_cast<std::uint32_t>(shown))) + 1;
        } while (box(a).checked());
        Tippreihe[static_cast<std::size_t>(p)] = a;
        box(a).setChecked(true);
        box(a).setColor(clYellow);
    }
}

PoolListResult editPoolInList(TForm1& form, std::vector<int>& pool) {
    TForm6& list = form.app().form6();
    list.Zufall = form.msg(Msg::RandomPick);
    list.Stopp = form.msg(Msg::RandomPickStop);
    list.MaxZahl = MaxZahl;
    list.BitBtn3->setVisible(true);
    list.BitBtn4->setVisible(false);
    list.showWeights = true;
    for (int i = 1; i <= MaxZahl; ++i) {
        const auto c = std::count(pool.begin(), pool.end(), i);
        list.box(i).setHint(std::to_string(c));
        list.box(i).setChecked(c > 0);
    }

    const DialogResult result = form.app().showModal(list);
    if (result == DialogResult::Ok) return PoolListResult::Keep;
    if (result != DialogResult::Retry) return PoolListResult::Cancel;

    pool.clear();
    for (int i = 1; i <= MaxZahl; ++i) {
        CheckBox& c = list.box(i);
        if (c.hint().empty()) c.setHint("0");
        if (!c.checked()) continue;
        pool.insert(pool.end(), static_cast<std::size_t>(weightOfHint(c.hint())), i);
    }
    return PoolListResult::Rebuilt;
}

}  // namespace kugel
