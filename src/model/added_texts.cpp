#include "model/added_texts.h"

#include "platform/durable_file.h"

namespace kugel {
namespace {

std::size_t slot(AddedText t) {
    return static_cast<std::size_t>(messageNumber(t) - kDesignedMessageCount);
}

// The German built-in texts, in the order of AddedText.
const std::array<const char*, kAddedTextCount> kBuiltIn{
    "Die Datei kann nicht angelegt werden: \"%1\": %2",
    "Die Datei kann nicht geöffnet werden: \"%1\": %2",
    "Die Datei kann nicht gelesen werden: \"%1\": %2",
    "Die Datei kann nicht geschrieben werden: \"%1\": %2",
    "Die Datei kann nicht ersetzt werden: \"%1\": %2",
    "'%1' ist kein gültiger Integerwert",
    "Jede Zahl darf in einer Ziehung nur einmal vorkommen. Die Ziehung wurde nicht gespeichert.",
    "Die Liste %1 kann nicht geladen werden: Zeile %2 (\"%3\") ist keine Gewichtung von 0 bis %4.",
    "Das Verzeichnis kann nicht angelegt werden: \"%1\": %2",
    "Der Server hat keine Web-Adresse für den Warenkorb geliefert; der Warenkorb wird nicht "
    "geöffnet.",
    "Die Adresse des Warenkorbs ist länger als %1 Zeichen und wird nicht geöffnet.",
    "Die Datei \"%1\" ist keine Tippdatei: sie ist größer als 1 MB.",
    "'%1' ist kein gültiger Gleitkommawert",
    "Die Datei kann nicht gelesen werden: \"%1\" ist keine gewöhnliche Datei",
    "Die Datei \"%1\" ist zu groß (mehr als %2 Bytes).",
    "Der letzte Datensatz der Ziehungsdaten \"%1\" ist beschädigt; es wurde nichts "
    "heruntergeladen.",
    "[... %1 weitere Zeichen nicht angezeigt]",
    "Ungültiger Datentyp für '%1'",
    "Gestoppt",
    "Woche %1 von %2",
    "Keine Antwort von %1: %2",
    "Rechnername unbekannt",
    "Verbindung nicht möglich",
    "Zeitüberschreitung",
    "Verbindung abgebrochen",
    "Übertragungsfehler (%1)",
    "Ziehungen, in denen die Reihe die Trefferzahl erreichte",
    "Vergleich mit dem Zufall",
    "Analyse der Einstellungen: %1 Reihen geprüft",
    "Tipps in der Datenbank gesucht: %1 Reihen in %2 Ziehungen geprüft",
    "Treffer\tbeobachtet\terwartet\tBereich (95 %)",
    "Reihen mit Gewinn: %1, erwartet %2",
    "Chi-Quadrat-Test: %1 bei %2 Freiheitsgraden, p = %3",
    "Monte-Carlo-Test mit %1 Zufallstabellen: p = %2",
    "Ergebnis: %1",
    "im Rahmen des Zufalls",
    "besser als der Zufall (p = %1)",
    "schlechter als der Zufall (p = %1)",
    "zu wenige Reihen für ein Urteil",
    "Bericht: %1",
    "Tipp gegen alle Ziehungen geprüft: %1 Reihen in %2 Ziehungen",
    "Ziehungsdaten löschen?",
    "Wollen Sie wirklich alle Ziehungsdaten löschen und dies ab dem %1 aus dem Internet neu "
    "aufbauen??",
    "Die Ziehungsdaten wurden nicht neu aufgebaut; die bisherigen Ziehungsdaten bleiben "
    "unverändert erhalten.",
    "Die gespeicherten Werte bleiben erhalten, bis Sie die Einstellung im Programm ändern.",
    "Eine Kopie der Einstellungen liegt in \"%1\".",
    "Die Datei \"%1\" ist keine Tippdatei: sie enthält keinen Text oder keine lesbare "
    "Tippreihe.",
    "Einstellung \"%1\": der untere Wert %2 liegt über dem oberen Wert %3, so kann keine "
    "Tippreihe entstehen. Es wurden keine Tipps berechnet.",
    "Keine Ziehung im Statistikzeitraum: jede Powerballzahl gilt als gleich häufig.",
    "Zahlen der Ziehung eingeben",
    "Auswertung und Gewinnberechnung",
    "Gewinnchancen",
    "Tippdatei",
    "Überprüfen Sie den Tipp im Warenkorb!!!",
    "Klickwerk jetzt installieren?",
    "Quandors Klickwerk installieren?",
    "Startdatum der Statistik",
    "Dieses Datum gilt als ENddatum für die Berechnung, Ziehungen danach werden nicht "
    "berücksichtigt",
    "Ihre %1 Reihen gewannen %2-mal (erwartet %3-mal); bei fairen Ziehungen gewinnen dieselben "
    "Reihen in 95 von 100 solchen Zeiträumen %4- bis %5-mal.",
    "So wurde verglichen: %1-mal wurden %2 Ziehungen zufällig gezogen (6 aus 40 und Powerball 1 "
    "bis 20) und mit denselben Reihen geprüft, gezählt die Reihen mit Gewinn. p = %3 ist der "
    "Anteil dieser Durchgänge, die mindestens so weit vom Erwarteten abweichen; unter %4 heißt "
    "das Ergebnis besser oder schlechter als der Zufall.",
    "Der Tipp wurde aus den Ziehungen bis zum %1 berechnet: über diese %2 Ziehungen kann der "
    "Vergleich ihn nicht beurteilen.",
    "Nach seiner Berechnung: %1 Ziehungen ab dem %2.",
    "kein Urteil, denn nach der Berechnung des Tipps gab es keine Ziehung",
    "Leer oder unvollständig und daher nicht geprüft: %1 Reihen.",
    "Geprüft: %1 Reihen",
    "Runden, die ihren Tipp gegen eine Ziehung prüften, aus der er berechnet war: %1 mit %2 "
    "Reihen; der Vergleich lässt sie aus.",
    "Jeder Tipp wurde vor seiner Ziehung berechnet: das Urteil gilt, sofern die Einstellungen "
    "nicht an denselben Ziehungen ausprobiert und angepasst wurden.",
    "Kein Programm hat die Tippliste geöffnet. Sie steht in \"%1\"; öffnen Sie sie mit einem "
    "Texteditor.",
    "Der Drucker hat den Tipp nicht angenommen; es wurde nichts gedruckt.",
    "Die Einstellungen wurden nicht gespeichert: %1",
    "Zwischen dem %1 und dem %2 liegt keine Ziehung: die Statistik hat nichts zu zeigen.",
};
static_assert(messageNumber(AddedText::NoDrawInPeriod) + 1 ==
              kDesignedMessageCount + kAddedTextCount);

template <typename Words>
std::string fill(const std::string& text, const Words& words) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto k = static_cast<std::size_t>(text[i + 1] - '1');
            if (k < words.size()) {
                out += *(words.begin() + static_cast<std::ptrdiff_t>(k));
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

AddedText textOf(FileOperation op) {
    switch (op) {
        case FileOperation::Create:
            return AddedText::FileCannotCreate;
        case FileOperation::Open:
            return AddedText::FileCannotOpen;
        case FileOperation::Read:
            return AddedText::FileCannotRead;
        case FileOperation::Write:
            return AddedText::FileCannotWrite;
        case FileOperation::Replace:
            return AddedText::FileCannotReplace;
        case FileOperation::CreateDirectory:
            return AddedText::DirectoryCannotCreate;
        case FileOperation::ReadIrregular:
            return AddedText::FileNotRegular;
        case FileOperation::ReadTooLarge:
            return AddedText::FileTooLarge;
    }
    return AddedText::FileCannotOpen;
}

}  // namespace

AddedTexts::AddedTexts() {
    for (std::size_t k = 0; k < texts_.size(); ++k) texts_[k] = kBuiltIn[k];
}

const std::string& AddedTexts::operator[](AddedText t) const {
    return texts_[slot(t)];
}

std::string AddedTexts::format(AddedText t, std::initializer_list<std::string> words) const {
    return fill((*this)[t], words);
}

std::string AddedTexts::format(AddedText t, const std::vector<std::string>& words) const {
    return fill((*this)[t], words);
}

void AddedTexts::takeFrom(const std::vector<std::string>& messageFileLines) {
    for (std::size_t k = 0; k < texts_.size(); ++k) {
        const std::size_t line = static_cast<std::size_t>(kDesignedMessageCount) + k;
        texts_[k] = line < messageFileLines.size() ? messageFileLines[line] : kBuiltIn[k];
    }
}

const AddedTexts& builtInAddedTexts() {
    static const AddedTexts texts;
    return texts;
}

TextError::TextError(AddedText id, std::vector<std::string> words)
    : std::runtime_error(builtInAddedTexts().format(id, words)),
      id_(id),
      words_(std::move(words)) {}

std::string fileErrorText(const FileError& e, const AddedTexts& texts) {
    return texts.format(textOf(e.operation()), {e.path().string(), e.reason()});
}

std::string errorText(const std::exception& e, const AddedTexts& texts) {
    if (const auto* t = dynamic_cast<const TextError*>(&e)) return t->text(texts);
    if (const auto* f = dynamic_cast<const FileError*>(&e)) return fileErrorText(*f, texts);
    return e.what();
}

}  // namespace kugel
