#include "shell/startup.h"

#include <cmath>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "generation/calculation_snapshot.h"
#include "generation/tip_calculation.h"
#include "model/game.h"
#include "model/main_window.h"
#include "model/program_windows.h"
#include "online/web_links.h"
#include "platform/durable_file.h"
#include "shell/application.h"
#include "shell/language.h"
#include "shell/settings_store.h"
#include "update/history_edit.h"
#include "update/results_download.h"

namespace kugel {
namespace {

int scaled(int v, int num, int den) {
    return static_cast<int>(std::lround(static_cast<double>(v) * num / den));
}

bool isInside(const Component& c, const Component& ancestor) {
    for (const Component* p = c.parent(); p; p = p->parent())
        if (p == &ancestor) return true;
    return false;
}

// The folders the program writes its files into: the program directory
// (history, listing, reports), the templates, the hand-over's tip files and
// click scripts, the language files. A write that was killed half-way left
// its temporary file there; files of other names are never touched.
void removeLeftTemporaryFiles(const TForm1& form) {
    for (const char* folder : {"", "Script", "Tipps", "land"})
        removeStaleTemporaryFiles(std::filesystem::path(form.Home) / folder);
}

// What the settings left for the rest of the start-up: the message naming
// unreadable stored values, and whether one of them ends the start-up.
struct RestoreOutcome {
    std::string report;
    std::exception_ptr ended;
};

RestoreOutcome restoreMainWindow(TForm1& form) {
    Platform& platform = form.platform();
    form.groesse = form.bounds().height;
    form.dfb = platform.today();
    form.Home = platform.programDirectory();
    if (form.Home.empty() || form.Home.back() != '/') form.Home += '/';
    form.SoundName = "yippee.wav";
    form.LaufMax = 100000;
    form.sortieren = false;
    form.Berechnunglaeuft = false;
    // The history's name owes nothing to the settings: a damaged store must
    // not cut the program off from its draws.
    form.ZahlenFile = "Powerball.dat";

    RestoreOutcome outcome;
    try {
        restoreSettings(form);
        form.sortieren = true;
        restoreNetworkAndDateSettings(form);
        if (form.DateTimePicker2->date() > platform.today() - ZiehungsAbstand)
            form.DateTimePicker2->setDate(form.DateTimePicker2->minDate());
    } catch (...) {
        // A value of an unguarded group could not be read: the settings after
        // it keep their designed state and the start-up ends below, but what
        // does not come from the store is put in place so the window works.
        outcome.ended = std::current_exception();
        form.sortieren = true;
    }

    if (auto* upDown7 = form.findAs<UpDown>("UpDown7"))
        form.LaufMax = runBudget(upDown7->position());
    if (form.ProxyHostEdit->text().empty()) form.ProxyPortEdit->setText("80");
    showVendorLinks(form);
    removeInterruptedRewrites(form);
    removeLeftTemporaryFiles(form);
    removeInterruptedRebuild(form);
    form.random.seed = static_cast<std::uint32_t>(platform.clockTicks());
    form.aktDatum = form.DateTimePicker2->date();
    form.DateTimePicker1->setDate(platform.today());
    outcome.report = finishSettingsRestore(form);
    return outcome;
}

// Tells the player once which stored values could not be read; a value that
// ends the start-up does so with this message.
void reportUnreadableSettings(TForm1& form, const RestoreOutcome& outcome) {
    if (outcome.ended) {
        if (outcome.report.empty()) std::rethrow_exception(outcome.ended);
        throw std::runtime_error(outcome.report);
    }
    if (!outcome.report.empty())
        form.platform().messageBox(kApplicationTitle, outcome.report, MessageButtons::Ok);
}

void showMainWindow(TForm1& form) {
    // The window is up before the update, so the user sees its progress and
    // can stop it; the update hands control to the window system as it goes.
    form.setVisible(true);
}

}  // namespace

void registerStartupHandlers(TForm1& form) {
    form.addHandler("FormShow", [&form](Component*) { startProgram(form); });
    // Each activation applies the chosen language again.
    form.addHandler("FormActivate", [&form](Component*) { SpracheSetzen(form); });
    form.addHandler("FormResize", [&form](Component*) { scaleToWindowHeight(form); });
    form.addHandler("FormClose", [&form](Component*) { saveSettingsOnClose(form); });
    form.addHandler("Schlieen1Click", [&form](Component*) { closeProgram(form); });
}

void startProgram(TForm1& form) {
    const RestoreOutcome outcome = restoreMainWindow(form);
    // The stored language is in place before the window first shows and
    // before the update writes its progress, so the player never reads
    // another language than theirs; the first activation applies it again
    // and shows the draw and the chart in it.
    if (form.sprache >= 1 && form.sprache <= static_cast<int>(languages().size()))
        selectLanguage(form, form.sprache);
    showMainWindow(form);
    reportUnreadableSettings(form, outcome);
    downloadNewDraws(form, UpdateStart::AtStartup);
}

void prepareMainWindow(TForm1& form) {
    const RestoreOutcome outcome = restoreMainWindow(form);
    showMainWindow(form);
    reportUnreadableSettings(form, outcome);
}

void scaleToWindowHeight(TForm1& form) {
    const int height = form.bounds().height;
    if (form.groesse <= 0 || height == form.groesse) return;
    if (form.designedPages.empty()) {
        form.designedHeight = form.groesse;
        const int inherited =
            form.PageControl1->fontHeight() ? form.PageControl1->fontHeight() : form.fontHeight();
        form.designedPages.push_back({form.PageControl1, form.PageControl1->bounds(), inherited});
        for (const auto& owned : form.components())
            if (isInside(*owned, *form.PageControl1))
                form.designedPages.push_back({owned.get(), owned->bounds(), owned->fontHeight()});
    }
    // The page control follows the window; what it holds grows and shrinks
    // with the height, fonts included, so the pages keep their proportions.
    const int num = height;
    const int den = form.designedHeight;
    for (const auto& [control, b, font] : form.designedPages) {
        if (control != form.PageControl1)
            control->setBounds(scaled(b.left, num, den), scaled(b.top, num, den),
                               scaled(b.width, num, den), scaled(b.height, num, den));
        if (font > 0) control->setFontHeight(std::max(1, scaled(font, num, den)));
    }
    form.groesse = height;
}

void saveSettingsOnClose(TForm1& form) {
    std::string failure;
    try {
        failure = saveSettings(form);
    } catch (const std::exception& e) {
        failure =
            form.addedTexts.format(AddedText::SettingsNotSaved, {errorText(e, form.addedTexts)});
    }
    // Closing goes on; the player learns that the next start will not find
    // this session's settings.
    if (!failure.empty()) {
        try {
            form.platform().messageBox(kApplicationTitle, failure, MessageButtons::Ok);
        } catch (...) {
        }
    }
}

void closeProgram(TForm1& form) {
    form.app().requestClose();
}

void stopRunningOperations(TForm1& form) {
    if (form.updateRunning()) stopDownload(form);
    // A second start of a running calculation stops it.
    if (form.calculationRunning()) startOrStopCalculation(form);
}

}  // namespace kugel
