#include "shell/settings_table.h"

#include <algorithm>
#include <initializer_list>
#include <stdexcept>

#include "controls/value_text.h"
#include "model/game.h"
#include "model/main_window.h"
#include "shell/startup.h"
#include "update/vendor_site.h"

namespace kugel {
namespace {

// Save order (ranks): "NeuerSchein"; check boxes; radio buttons; size;
// "Sprache"; "TippTop", "TippLeft"; up-downs; ticket; prices; "Browser";
// addresses; start date; "Land"; then, guarded apart, print positions and font.
enum SaveRank {
    kNever = 0,
    kNewTicket = 1,
    kCheckBoxes,
    kRadioButtons,
    kWindowSize,
    kLanguage,
    kTicketPlace,
    kUpDowns,
    kTicketEdits,
    kPrices,
    kBrowser,
    kAddresses,
    kStartDate,
    kLand,
    kPrintPositions,
    kPrintFont,
};
static_assert(kPrintPositions == kFirstPrintSaveRank);

StoredSetting value(std::string key, char group, StoredType type, std::string form,
                    std::string control, std::string property, int saveRank) {
    StoredSetting s;
    s.key = std::move(key);
    s.group = group;
    s.type = type;
    s.form = std::move(form);
    s.control = std::move(control);
    s.property = std::move(property);
    s.saveRank = saveRank;
    return s;
}

StoredSetting field(std::string key, char group, StoredType type, std::string name, int saveRank) {
    return value(std::move(key), group, type, "Form1", {}, std::move(name), saveRank);
}

StoredSetting step(char group, void (*run)(TForm1&)) {
    StoredSetting s;
    s.group = group;
    s.step = run;
    return s;
}

void upDown6FollowsCheckBox31(TForm1& form) {
    // A hit counts up to 7 only when the Powerball counts; set before the
    // up-downs are restored, so a stored 7 does not outlive its check box.
    form.settings.UpDown6->setMax(form.settings.CheckBox31->checked() ? 7 : 5);
}

void scaleToRestoredSize(TForm1& form) {
    scaleToWindowHeight(form);
}

std::vector<StoredSetting> buildTable() {
    std::vector<StoredSetting> t;
    auto add = [&t](StoredSetting s) { t.push_back(std::move(s)); };

    // A: the ticket number shown on the overview page, and the new-ticket flag.
    StoredSetting losnummer = field("Losnummer", 'A', StoredType::Text, "LosNr", kNever);
    losnummer.missing = "";
    add(losnummer);
    StoredSetting neuerSchein =
        field("NeuerSchein", 'A', StoredType::IntegerOrFlag, "neuerSchein", kNewTicket);
    neuerSchein.missing = "0";
    add(neuerSchein);

    // B: the calculation's check boxes and radio buttons, the window, the language.
    const ControlRows& window = mainWindowRows();
    for (StoredSetting& s : storedControls(window, Kind::CheckBox)) add(std::move(s));
    add(step('B', upDown6FollowsCheckBox31));
    for (StoredSetting& s : storedControls(window, Kind::RadioButton)) add(std::move(s));
    add(field("Spiel77Ja", 'B', StoredType::Flag, {}, kNever));
    add(field("Super6Ja", 'B', StoredType::Flag, {}, kNever));
    StoredSetting land = field("Land", 'B', StoredType::Integer, "Land", kLand);
    land.missing = "1";
    add(land);
    for (const char* size : {"height", "width"}) {
        StoredSetting s =
            field(size, 'B', StoredType::Integer, size[0] == 'h' ? "Height" : "Width", kWindowSize);
        s.normalWindowOnly = true;
        add(s);
    }
    add(step('B', scaleToRestoredSize));
    StoredSetting tippTop = field("TippTop", 'B', StoredType::Integer, "TippTop", kTicketPlace);
    tippTop.preset = "39";
    add(tippTop);
    StoredSetting tippLeft = field("TippLeft", 'B', StoredType::Integer, "TippLeft", kTicketPlace);
    tippLeft.preset = "47";
    add(tippLeft);
    StoredSetting sprache = field("Sprache", 'B', StoredType::Integer, "sprache", kLanguage);
    sprache.preset = "0";
    sprache.missing = "2";
    add(sprache);

    // C: the up-downs, then the ticket (each edit normalises what it receives).
    for (StoredSetting& s : storedControls(window, Kind::UpDown)) add(std::move(s));
    for (StoredSetting& s : storedControls(window, Kind::Edit)) add(std::move(s));

    // D: the print positioning dialog.
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 17, 19, 21, 23, 14})
        add(value("Edit" + std::to_string(n) + "F8", 'D', StoredType::Text, "Form8",
                  "Edit" + std::to_string(n), "Text", kPrintPositions));
    add(value("RadioF8", 'D', StoredType::Integer, "Form8", "RadioGroup1", "ItemIndex",
              kPrintPositions));

    // E: the print font; its other parts are read only when its style is stored.
    StoredSetting style =
        value("DruckSchrift", 'E', StoredType::FontStyle, "Form5", {}, "FontStyle", kPrintFont);
    style.gatesGroup = true;
    add(style);
    add(value("DruckFontColor", 'E', StoredType::Integer, "Form5", {}, "FontColor", kPrintFont));
    add(value("DruckFontSize", 'E', StoredType::Integer, "Form5", {}, "FontSize", kPrintFont));
    add(value("DruckFontName", 'E', StoredType::Text, "Form5", {}, "FontName", kPrintFont));

    // F, G: hidden values of earlier versions.
    add(value("ZWEIPREIS", 'F', StoredType::Text, "Form1", "Edit81", "Text", kPrices));
    add(value("EINPREIS", 'F', StoredType::Text, "Form1", "Edit82", "Text", kPrices));
    add(value("Browser", 'G', StoredType::FlagOrText, "Form1", "CheckBox21", "Checked", kBrowser));

    // H: addresses; I: the start of the statistics window.
    StoredSetting url =
        value("URLEdit", 'H', StoredType::Text, "Form1", "URLEdit", "Text", kAddresses);
    url.missing = kDefaultServerAddress;
    add(url);
    add(value("ProxyHostEdit", 'H', StoredType::Text, "Form1", "ProxyHostEdit", "Text",
              kAddresses));
    add(value("ProxyPortEdit", 'H', StoredType::Text, "Form1", "ProxyPortEdit", "Text",
              kAddresses));
    StoredSetting start = value("DateTimePicker2", 'I', StoredType::Date, "Form1",
                                "DateTimePicker2", "Date", kStartDate);
    start.damaged = dayValueText(ErsteZiehung);
    add(start);
    return t;
}

// The number a control's name ends in: 31 of "CheckBox31".
int numberOf(const std::string& name) {
    const std::size_t digits = name.find_last_not_of("0123456789") + 1;
    return digits < name.size() ? std::stoi(name.substr(digits)) : 0;
}

}  // namespace

std::vector<StoredSetting> storedControls(const ControlRows& rows, Kind kind) {
    std::vector<const ControlRow*> stored;
    for (const ControlRow& row : rows)
        if (row.kind == kind && row.stored == Stored::Yes) stored.push_back(&row);
    // The store has always listed them by their numbers, whatever the order
    // of the window.
    std::stable_sort(stored.begin(), stored.end(), [](const ControlRow* a, const ControlRow* b) {
        return numberOf(a->name) < numberOf(b->name);
    });
    std::vector<StoredSetting> settings;
    for (const ControlRow* row : stored) {
        const std::string& name = row->name;
        switch (kind) {
            case Kind::CheckBox:
                // Misspelt since the first version; every store relies on it.
                settings.push_back(value("Chekcbox" + std::to_string(numberOf(name)), 'B',
                                         StoredType::Flag, "Form1", name, "Checked", kCheckBoxes));
                break;
            case Kind::RadioButton:
                settings.push_back(
                    value(name, 'B', StoredType::Flag, "Form1", name, "Checked", kRadioButtons));
                break;
            case Kind::UpDown:
                settings.push_back(
                    value(name, 'C', StoredType::Integer, "Form1", name, "Position", kUpDowns));
                break;
            case Kind::Edit:
                settings.push_back(
                    value(name, 'C', StoredType::Text, "Form1", name, "Text", kTicketEdits));
                break;
            default:
                throw std::logic_error(name + ": no stored form for this kind of control");
        }
    }
    return settings;
}

const std::vector<StoredSetting>& settingsTable() {
    static const std::vector<StoredSetting> table = buildTable();
    return table;
}

}  // namespace kugel
