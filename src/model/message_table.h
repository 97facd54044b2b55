#pragma once

#include <string>
#include <vector>

namespace kugel {

class AddedTexts;
class Memo;

// The designed messages: 62 numbered texts, message k being line k of the
// main window's hidden Memo2. Language files replace them by number, so a
// name's value never changes; lines no operation uses keep their place.
inline constexpr int kDesignedMessageCount = 62;

enum class Msg : int {
    // history analysis: database run
    AnalysisAskFrom = 0,          // "Soll die Analyse der Datenbank jetzt ab dem "
    AnalysisAskRun = 1,           // " durchgeführt werden??"
    AnalysisDeletesTips = 2,      // "aktuellen Tipps werden dabei gelöscht?"
    AnalysisStopAtHits = 3,       // "Bei wievielen Zahlen Übereinstellung stoppen?"
    AnalysisCompareCaption = 4,   // "Ziehungsergebnis vergleichen"
    AnalysisHitOn = 5,            // "Ein Treffer am  "
    AnalysisHitContinue = 6,      // " gefunden. Weiter?"
    AnalysisDrawFound = 7,        // "Ziehung gefunden"
    AnalysisHitsInDatabase = 8,   // "Treffer von Ziehungen in der Datenbank"
    AnalysisSimilarNextDraw = 9,  // "Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen"
    OutstandingPowerballTitle = 10,
    TipEditorCaption = 11,     // "Zahlen für Tipp " (the row number follows)
    NumberChoiceCaption = 12,  // "Zahlen für Berechnung wählen"
    Unused13 = 13,
    Unused14 = 14,
    Unused15 = 15,
    LuckyNumberInputError = 16,
    // history analysis: settings run
    SettingsAnalysisAskFrom = 17,
    SettingsAnalysisAskRun = 18,
    SettingsAnalysisDeletesTips = 19,
    LuckyNumberCaption = 20,  // "Ihre Glückszahl (1-99999999)?"
    LuckyNumberPrompt = 21,
    LuckyNumberSetBefore = 22,  // "Glückszahl " (the number follows)
    LuckyNumberSetAfter = 23,   // " gesetzt"
    SettingsBrought = 24,       // "Aktuelle Einstellung brachten"
    TipDistributionTitle = 25,
    OutstandingNumbersTitle = 26,
    Unused27 = 27,
    PrintTitle = 28,  // "Quandors Lotto-Tipp für "
    Tip = 29,         // "Tipp"
    Powerball = 30,
    CountWithout = 31,    // "Anzahl ohne"
    FrequencyDraws = 32,  // "Ziehungen" in the frequency chart's title
    WithEach = 33,        // "mit je"
    Rows = 34,            // "Reihen"
    // progress of the tip calculation
    CalculatingPairs = 35,
    CalculatingTriples = 36,
    CalculatingQuadruples = 37,
    CalculatingFrequency = 38,
    CalculatingOutstanding = 39,
    CalculatingNeighbours = 40,
    CalculationBegins = 41,
    // The start button's caption while a calculation runs; clicking it asks
    // the calculation to stop.
    CalculationStop = 42,
    RowSum = 43,  // "Quersumme"
    Unused44 = 44,
    NoGuarantee = 45,  // shown with downloaded results
    FrequencyTitle = 46,
    PowerballFrequencyTitle = 47,
    // tip test (history search)
    TipTestStopAtHits = 48,
    TipTestCaption = 49,
    TipTestHitOn = 50,
    TipTestContinue = 51,
    TipTestDrawFound = 52,
    WindowDraws = 53,  // "Ziehungen" in the group and row-sum charts' titles
    PairsFound = 54,
    TriplesFound = 55,
    RowSumDistributionTitle = 56,
    QuadruplesFound = 57,
    CalculationBudgetUsedUp = 58,  // "Ändern Sie die Parameter um 12 Tipps zuberechnen"
    CalculationDone = 59,          // "Tipps wurden neu berechnet"
    RandomPick = 60,               // the random pick button's idle caption
    RandomPickStop = 61,           // its caption while the pick runs
};

// The message's line in the table.
constexpr int messageNumber(Msg m) {
    return static_cast<int>(m);
}

// The German default texts of the message table: 62 lines, unused lines empty.
std::vector<std::string> defaultMessages();

// A language's message file, line k for message k. Its lines become the
// message table as they are (a file shorter than 62 lines leaves the missing
// messages empty); its lines after the 62nd also replace the added texts they
// number, and added texts the file has no line for take their built-in
// wording.
void applyMessageFile(const std::vector<std::string>& lines, Memo& table, AddedTexts& added);

}  // namespace kugel
