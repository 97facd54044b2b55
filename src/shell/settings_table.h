#pragma once

#include <optional>
#include <string>
#include <vector>

#include "controls/control_table.h"

namespace kugel {

class TForm1;

// How a value is kept in the store.
enum class StoredType {
    Flag,           // 32-bit integer, 0 false, anything else true; written 0 or 1
    Integer,        // 32-bit integer
    Text,           // string
    Date,           // 8 bytes: the day value as a little-endian double
    FontStyle,      // 1 byte of style bits
    IntegerOrFlag,  // an integer; a flag of an earlier version reads as 0/1
    FlagOrText,     // a flag; a non-empty text of an earlier version clears it
};

// One row of the settings store: a value name, where its value lives and
// how it is kept. Restore reads the rows from top to bottom; save writes
// the same rows, ordered by `saveRank`. Both go through the same target,
// so whatever is restored is what is saved.
struct StoredSetting {
    std::string key;   // the value's name in the store
    char group = 'A';  // restore guards work group by group
    StoredType type = StoredType::Text;
    // The target: `control`'s `property` on the form `form`, or with an empty
    // `control` the form's field `property`. An empty `property`: the value is
    // read (a damaged one still ends its group) and goes nowhere.
    std::string form;
    std::string control;
    std::string property;
    std::optional<std::string> preset;   // put in place before the value is read
    std::optional<std::string> missing;  // put in place when the store lacks the value
    std::optional<std::string> damaged;  // put in place when the value cannot be read
    bool gatesGroup = false;             // when missing, the rest of its group is not read
    int saveRank = 0;                    // order of writing; 0: never written
    bool normalWindowOnly = false;       // written only while the window is neither
                                         // minimised nor maximised
    // A step between two values instead of a value: it runs in its place
    // on restore and is skipped on save.
    void (*step)(TForm1&) = nullptr;
};

// The rows in restore order, groups A to I.
const std::vector<StoredSetting>& settingsTable();

// The settings rows of the main window's controls of `kind` (check box,
// radio button, up-down, edit) whose rows in `rows` are marked Stored::Yes,
// in the order of the numbers their names end in.
std::vector<StoredSetting> storedControls(const ControlRows& rows, Kind kind);

// Save ranks from this one on are written inside a guard of their own.
inline constexpr int kFirstPrintSaveRank = 14;

}  // namespace kugel
