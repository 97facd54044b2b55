#include "model/message_table.h"

#include "controls/component.h"
#include "model/added_texts.h"

namespace kugel {

std::vector<std::string> defaultMessages() {
    return {
        "Soll die Analyse der Datenbank jetzt ab dem ",                                   // 0
        " durchgeführt werden??",                                                         // 1
        "aktuellen Tipps werden dabei gelöscht?",                                         // 2
        "Bei wievielen Zahlen Übereinstellung stoppen?",                                  // 3
        "Ziehungsergebnis vergleichen",                                                   // 4
        "Ein Treffer am  ",                                                               // 5
        " gefunden. Weiter?",                                                             // 6
        "Ziehung gefunden",                                                               // 7
        "Treffer von Ziehungen in der Datenbank",                                         // 8
        "Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen",                        // 9
        "Welche Powerballzahl wurde am längsten nicht gezogen?",                          // 10
        "Zahlen für Tipp ",                                                               // 11
        "Zahlen für Berechnung wählen",                                                   // 12
        "",                                                                               // 13
        "",                                                                               // 14
        "",                                                                               // 15
        "Fehler bei Eingabe der ZufallsZahl",                                             // 16
        "Soll die Analyse der Einstellungen jetzt ab dem ",                               // 17
        " durchgeführt werden??",                                                         // 18
        "aktuellen Tipps werden dabei gelöscht?",                                         // 19
        "Ihre Glückszahl (1-99999999)?",                                                  // 20
        "Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!",                        // 21
        "Glückszahl ",                                                                    // 22
        " gesetzt",                                                                       // 23
        "Aktuelle Einstellung brachten",                                                  // 24
        "Zahlenverteilung des Tippes",                                                    // 25
        "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?",  // 26
        "",                                                                               // 27
        "Quandors Lotto-Tipp für ",                                                       // 28
        "Tipp",                                                                           // 29
        "Powerball",                                                                      // 30
        "Anzahl ohne",                                                                    // 31
        "Ziehungen",                                                                      // 32
        "mit je",                                                                         // 33
        "Reihen",                                                                         // 34
        "Berechnung der Paarbildung",                                                     // 35
        "Berechnung der Dreiergruppenbildung",                                            // 36
        "Berechnung der Vierergruppenbildung",                                            // 37
        "Berechnung der Zahlenverteilung",                                                // 38
        "Berechnung der aussehenden Zahlen",                                              // 39
        "Berechnung der Nachbarzahlen der letzten Ziehung",                               // 40
        "Beginn der Tippberechnung",                                                      // 41
        "Stoppen",                                                                        // 42
        "Quersumme",                                                                      // 43
        "",                                                                               // 44
        "Keine Gewähr für die Richtigkeit der Zahlen!",                                   // 45
        "Zahlenverteilung",                                                               // 46
        "Wie oft wurden die einzelnen Sternenzahlen gezogen?",                            // 47
        "Bei wievielen Zahlen Übereinstellung stoppen?",                                  // 48
        "Tipp-Test",                                                                      // 49
        "Ein Treffer gefunden am:",                                                       // 50
        "Weiter?",                                                                        // 51
        "Ziehung gefunden",                                                               // 52
        "Ziehungen",                                                                      // 53
        "Paare gefunden",                                                                 // 54
        "Dreier gefunden",                                                                // 55
        "Quersummenverteilung",                                                           // 56
        "Vierer gefunden",                                                                // 57
        "Ändern Sie die Parameter um 12 Tipps zuberechnen",                               // 58
        "Tipps wurden neu berechnet",                                                     // 59
        "Zufall",                                                                         // 60
        "Stop",                                                                           // 61
    };
}

static_assert(messageNumber(Msg::RandomPickStop) + 1 == kDesignedMessageCount);

void applyMessageFile(const std::vector<std::string>& lines, Memo& table, AddedTexts& added) {
    table.setLines(lines);
    added.takeFrom(lines);
}

}  // namespace kugel
