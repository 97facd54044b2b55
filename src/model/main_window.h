#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "controls/chart.h"
#include "controls/control_table.h"
#include "controls/form.h"
#include "model/added_texts.h"
#include "model/chart_page_controls.h"
#include "model/history_file.h"
#include "model/message_table.h"
#include "model/program_windows.h"
#include "model/random.h"
#include "model/settings_controls.h"
#include "model/ticket_controls.h"
#include "platform/codepage.h"
#include "platform/platform.h"

namespace kugel {

class ProgramWindows;

// Rows of the ticket by hit class: [main hits 0..6][Powerball hit 0/1].
using HitStatistics = std::array<std::array<int, 2>, 7>;

// The main window: every page's controls, the shared state of the program
// and the handlers, reachable by name for the view and the driver.
class TForm1 : public Form {
  public:
    TForm1(Platform& platform, ProgramWindows& app);

    ProgramWindows& app() const { return app_; }

    // Message k of the message table (line k of Memo2), empty beyond the end.
    std::string msg(int k) const;
    std::string msg(Msg m) const { return msg(messageNumber(m)); }
    // A text the program adds itself, in the language in use.
    const std::string& msg(AddedText t) const { return addedTexts[t]; }
    std::string historyPath() const { return Home + ZahlenFile; }
    // The history's records, read from the file only when it changed since
    // the last read. Throws FileError as HistoryFile::readAll does.
    HistoryCache::Records historyRecords() const { return historyCache_.read(historyPath()); }
    const LocaleInfo& locale() const;

    // ---- the state of long operations, read where the user can change it
    // A tip calculation is drawing rows.
    bool calculationRunning() const { return Berechnunglaeuft; }
    // A tip calculation was started and not asked to stop: its start button
    // offers the stop (message CalculationStop).
    bool calculationStarted() const;
    // The running calculation was asked to stop: its start button no longer
    // offers the stop. Meaningful while a calculation runs.
    bool stopRequested() const { return !calculationStarted(); }
    // A results download is running.
    bool updateRunning() const { return Aktualisierunglaeuft; }
    // The running download was asked to stop: its stop button is gone.
    bool updateStopRequested() const;

    // ---- shared state; arrays are indexed 1..8 like the draw's positions
    std::string Home;
    std::string ZahlenFile;
    std::array<int, 9> Zahl{};
    double Datum1 = 0;
    int Position = 0;
    double aktDatum = 0;
    double dfb = 0;
    std::array<bool, 9> Treffer{};
    int Gewinn = 0;
    bool Zusatz = false;
    HitStatistics Statistik{};
    bool sortieren = false;
    bool Berechnunglaeuft = false;
    bool Aktualisierunglaeuft = false;  // a results download is running
    bool analysisRunning = false;       // one of the historical analyses is running
    std::int64_t LaufMax = 0;           // run budget of the calculation
    int sprache = 0;
    int groesse = 0;
    // Kept between runs without a use of their own (the settings store).
    int neuerSchein = 0;
    std::string LosNr;  // shown in the label Losnummer, never written back
    int Land = 1;
    int TippTop = 39;
    int TippLeft = 47;
    // Stored settings this run did not put in place: unreadable, or after an
    // unreadable one in their group. Each maps to the text its control or
    // field held once the start-up was over; the close writes such a value
    // only when the player has changed it since, so a damaged or unread
    // value is never replaced by a default.
    std::map<std::string, std::optional<std::string>> settingsNotRestored;
    std::vector<std::string> unreadableSettings;     // their keys, in the order read
    std::optional<std::string> damagedSettingsCopy;  // where the store was copied
    // The window's state as the view reports it; its size is saved only
    // in the normal state, so a maximised close keeps the last real size.
    enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };
    WindowState windowState = WindowState::Normal;
    std::string SoundName;
    std::string Tippsberechnen;
    Random random;
    // The ticket a tip calculation left: the end date it learned up to and
    // every row's seven texts as it left them. A comparison with chance
    // knows by them whether the ticket it checks was calculated from the
    // draws it counts.
    struct CalculatedTicket {
        double learnedUntil = 0;
        std::vector<std::array<std::string, 7>> rows;
    };
    std::optional<CalculatedTicket> calculatedTicket;
    // The program's own texts after the designed messages (see Memo2).
    AddedTexts addedTexts;
    // A vendor address given on the command line: used instead of the
    // stored one (URLEdit) for this run only, and never saved.
    std::string serverOverride;
    // The encoding of the language master file read last when that file
    // began with a byte order mark, else the ANSI code page. The ticket
    // listing is written in it; reading the master file sets it.
    TextEncoding masterFileEncoding = TextEncoding::Ansi;
    // The status text saying that the statistics period holds no draw,
    // while it stands in the status bar.
    std::string noDrawNote;

    // The pages as designed: every resize scales from these, so dragging
    // the window's edge in many small steps cannot wear the layout down.
    struct DesignedPlace {
        Component* control;
        Bounds bounds;
        int fontHeight;
    };
    std::vector<DesignedPlace> designedPages;
    int designedHeight = 0;

    // ---- the window
    Component* MainMenu1 = nullptr;
    MenuItem* Aktualisieren1 = nullptr;
    MenuItem* Berechnen1 = nullptr;
    MenuItem* SpracheLanguage1 = nullptr;
    // the language menu, in the order it shows the languages
    MenuItem* Deutsch1 = nullptr;
    MenuItem* Englich1 = nullptr;
    MenuItem* Spanisch1 = nullptr;
    MenuItem* Portogiesisch1 = nullptr;
    MenuItem* Franz1 = nullptr;
    MenuItem* Italenisch1 = nullptr;
    MenuItem* Russisch1 = nullptr;
    MenuItem* N2 = nullptr;  // Chinese
    MenuItem* Hindi = nullptr;
    MenuItem* N1 = nullptr;               // hidden separator
    MenuItem* Dateispeichern1 = nullptr;  // hidden: writes a master file and a template
    MenuItem* DateiLaden1 = nullptr;      // hidden: applies the current language file
    MenuItem* Abgeben1 = nullptr;
    MenuItem* Schlieen1 = nullptr;
    MenuItem* Extras1 = nullptr;            // added: the menu of the added commands
    MenuItem* Drucken1 = nullptr;           // added: print preview of the ticket
    MenuItem* Gewinnauswertung1 = nullptr;  // added: opens the prize dialog
    MenuItem* Gewinnchancen1 = nullptr;     // added: the odds of the game
    PageControl* PageControl1 = nullptr;
    StatusBar* StatusBar1 = nullptr;
    TabSheet* TabSheet1 = nullptr;  // Tipp-Übersicht
    TabSheet* TabSheet2 = nullptr;  // hidden: the message table
    TabSheet* TabSheet6 = nullptr;  // Berechnung
    TabSheet* TabSheet5 = nullptr;  // Diagramm
    TabSheet* TabSheet4 = nullptr;  // Datenbank
    TabSheet* TabSheet3 = nullptr;  // Internet-Optionen

    // overview page: draw browser panel and the calculation panel
    Panel* Panel4 = nullptr;
    Button* SpeedButton6 = nullptr;
    Label* Label35 = nullptr;
    Button* SpeedButton7 = nullptr;
    Label* Label13 = nullptr;
    Button* SpeedButton10 = nullptr;
    Label* Losnummer = nullptr;
    Panel* Panel3 = nullptr;
    Button* SpeedButton4 = nullptr;  // search the history for the ticket
    TicketControls ticket;
    Button* SpeedButton15 = nullptr;  // save the ticket to a tip file
    Button* SpeedButton16 = nullptr;  // load a tip file
    Button* BitBtn7 = nullptr;        // write and open the listing
    Button* DruckButton = nullptr;    // added: print preview of the ticket
    // hand-over of the ticket and the side bars linking to the vendor
    Button* OnlineTipp = nullptr;
    Button* Warenkorb = nullptr;
    Panel* Panel2 = nullptr;
    Label* Label43 = nullptr;
    Panel* Panel5 = nullptr;
    Label* Label44 = nullptr;

    // hidden page
    Memo* Memo2 = nullptr;
    CheckBox* CheckBox21 = nullptr;  // "Browser", kept between runs
    Edit* Edit81 = nullptr;          // "ZWEIPREIS", kept between runs
    Edit* Edit82 = nullptr;          // "EINPREIS", kept between runs

    // The hidden text box reports are composed in; it also holds the
    // language file while that is applied.
    Memo* RichEdit1 = nullptr;

    // calculation settings
    PageControl* PageControl2 = nullptr;
    TabSheet* TabSheet8 = nullptr;   // Statistisch
    TabSheet* TabSheet9 = nullptr;   // Schein Optimierung
    TabSheet* TabSheet7 = nullptr;   // Mathematisch
    TabSheet* TabSheet11 = nullptr;  // Powerball
    TabSheet* TabSheet10 = nullptr;  // Allgemein
    SettingsControls settings;

    // chart page
    Chart* Chart1 = nullptr;
    Panel* Panel6 = nullptr;
    DateTimePicker* DateTimePicker2 = nullptr;
    ChartPageControls chartPage;

    // database page
    Label* Label29 = nullptr;
    DateTimePicker* DateTimePicker1 = nullptr;
    Button* SpeedButton5 = nullptr;
    Button* BitBtn1 = nullptr;
    Button* BitBtn2 = nullptr;
    Button* BitBtn8 = nullptr;
    Button* BitBtn6 = nullptr;
    Button* BitBtn3 = nullptr;
    Button* SpeedButton8 = nullptr;
    FileDialog* SaveDialog1 = nullptr;
    FileDialog* OpenDialog1 = nullptr;
    Button* BitBtn9 = nullptr;  // analysis of the settings
    Label* Label94 = nullptr;
    Button* BitBtn19 = nullptr;  // analysis of the history
    Label* Label95 = nullptr;

    // internet options page
    Edit* ProxyHostEdit = nullptr;
    Edit* ProxyPortEdit = nullptr;
    Edit* URLEdit = nullptr;
    Label* Label52 = nullptr;  // the vendor's page about this program
    Label* Label54 = nullptr;  // the draws and prizes
    Label* Label56 = nullptr;  // the vendor's automation tool

  private:
    mutable HistoryCache historyCache_;
    void buildWindow();
    void bindControls();
    void registerFields();

    ProgramWindows& app_;
};

// Every control of the main window in creation order: the designed rows,
// then the added ones.
const ControlRows& mainWindowRows();

}  // namespace kugel
