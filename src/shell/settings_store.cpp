#include "shell/settings_store.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cmath>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "controls/value_text.h"
#include "model/added_texts.h"
#include "model/main_window.h"
#include "platform/platform.h"
#include "shell/settings_table.h"

namespace kugel {
namespace {

static_assert(std::endian::native == std::endian::little,
              "dates are stored as little-endian doubles");

// Earliest and latest day values a date can take (years 100 and 9999).
constexpr double kFirstDay = -657434;
constexpr double kLastDay = 2958465;

// A value that cannot be read or cannot be put in place.
struct Unreadable {
    std::string key;
};

// Where a row's value lives: a control's property or a form's field.
class Target {
  public:
    Target(TForm1& main, const StoredSetting& s) : s_(s) {
        Form* form = main.app().form(s.form);
        if (!form || s.property.empty()) return;
        if (s.control.empty()) {
            field_ = form->field(s.property);
        } else {
            control_ = form->find(s.control);
        }
    }
    std::optional<std::string> get() const {
        if (field_) return field_->get();
        if (control_) return control_->property(s_.property);
        return std::nullopt;
    }
    // A row without a target takes nothing and refuses nothing.
    bool set(const std::string& text) const {
        if (field_) return field_->set && field_->set(text);
        if (control_) return control_->setProperty(s_.property, text) == SetResult::Ok;
        return s_.property.empty();
    }

  private:
    const StoredSetting& s_;
    const Field* field_ = nullptr;
    Component* control_ = nullptr;
};

std::optional<bool> readFlag(const SettingsStore& store, const std::string& key) {
    if (const auto i = store.readInt(key)) return *i != 0;
    return std::nullopt;
}

// A flag as a store without typed values may keep it ("true", "false").
std::optional<bool> flagText(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (text == "true") return true;
    if (text == "false") return false;
    return std::nullopt;
}

// The value as the target's text; nullopt when it cannot be read. An empty
// optional inside means "leave the target as it is".
std::optional<std::optional<std::string>> readValue(const SettingsStore& store,
                                                    const StoredSetting& s) {
    using Result = std::optional<std::optional<std::string>>;
    switch (s.type) {
        case StoredType::Flag:
            if (const auto on = readFlag(store, s.key)) return Result{boolText(*on)};
            return std::nullopt;
        case StoredType::Integer:
            if (const auto i = store.readInt(s.key)) return Result{std::to_string(*i)};
            return std::nullopt;
        case StoredType::Text:
            if (auto text = store.readString(s.key)) return Result{std::move(*text)};
            return std::nullopt;
        case StoredType::Date: {
            const auto bytes = store.readBinary(s.key);
            if (!bytes || bytes->size() != sizeof(double)) return std::nullopt;
            double day = 0;
            std::memcpy(&day, bytes->data(), sizeof day);
            if (!std::isfinite(day) || day < kFirstDay || day >= kLastDay) return std::nullopt;
            return Result{dayValueText(day)};
        }
        case StoredType::FontStyle: {
            const auto bytes = store.readBinary(s.key);
            if (!bytes || bytes->size() != 1) return std::nullopt;
            return Result{std::to_string(static_cast<unsigned char>((*bytes)[0]))};
        }
        case StoredType::IntegerOrFlag: {
            if (const auto i = store.readInt(s.key)) return Result{std::to_string(*i)};
            // An earlier version kept a flag here: true counts as 1.
            const auto text = store.readString(s.key);
            const auto on = text ? flagText(*text) : std::nullopt;
            if (on) return Result{*on ? "1" : "0"};
            return std::nullopt;
        }
        case StoredType::FlagOrText: {
            if (const auto on = readFlag(store, s.key)) return Result{boolText(*on)};
            // An earlier version kept a text here; any text turns the flag off.
            const auto text = store.readString(s.key);
            if (!text) return std::nullopt;
            if (text->empty()) return Result{std::optional<std::string>{}};
            return Result{boolText(false)};
        }
    }
    return std::nullopt;
}

void writeValue(SettingsStore& store, const StoredSetting& s, const std::string& text) {
    switch (s.type) {
        case StoredType::Flag:
        case StoredType::FlagOrText: {
            const auto on = parseBool(text);
            if (!on) throw Unreadable{s.key};
            store.writeInt(s.key, *on ? 1 : 0);
            return;
        }
        case StoredType::Integer:
        case StoredType::IntegerOrFlag: {
            const auto i = parseInt(text);
            if (!i) throw Unreadable{s.key};
            store.writeInt(s.key, *i);
            return;
        }
        case StoredType::Text:
            store.writeString(s.key, text);
            return;
        case StoredType::Date: {
            const auto day = parseDayValue(text);
            if (!day) throw Unreadable{s.key};
            std::string bytes(sizeof(double), '\0');
            std::memcpy(bytes.data(), &*day, sizeof(double));
            store.writeBinary(s.key, bytes);
            return;
        }
        case StoredType::FontStyle: {
            const auto bits = parseInt(text);
            if (!bits || *bits < 0 || *bits > 255) throw Unreadable{s.key};
            store.writeBinary(s.key, std::string(1, static_cast<char>(*bits)));
            return;
        }
    }
}

void restoreOne(TForm1& form, const SettingsStore& store, const StoredSetting& s, bool& skipRest) {
    if (s.step) {
        s.step(form);
        return;
    }
    const Target target(form, s);
    if (s.preset && !target.set(*s.preset)) throw Unreadable{s.key};
    if (!store.contains(s.key)) {
        if (s.missing && !target.set(*s.missing)) throw Unreadable{s.key};
        if (s.gatesGroup) skipRest = true;
        return;
    }
    const auto text = readValue(store, s);
    if (!text) throw Unreadable{s.key};
    if (*text && !target.set(**text)) throw Unreadable{s.key};
}

// Groups A and E have no guard: a value there that cannot be read ends the
// start-up with an error. Every other group ends at such a value and the
// next group is read.
bool guarded(char group) {
    return group != 'A' && group != 'E';
}

// The rows from `from` to `to` (exclusive) were not restored: the close
// must not put their defaults over what the store holds.
void noteNotRestored(TForm1& form, const std::string& key, std::size_t from, std::size_t to) {
    const auto& table = settingsTable();
    for (std::size_t k = from; k < to; ++k)
        if (!table[k].step && table[k].saveRank != 0)
            form.settingsNotRestored.emplace(table[k].key, std::nullopt);
    form.unreadableSettings.push_back(key);
    if (!form.damagedSettingsCopy) {
        try {
            form.damagedSettingsCopy = form.platform().settings().keepDamagedCopy();
        } catch (...) {
            // Without a copy the stored values are still kept as they are.
        }
        if (!form.damagedSettingsCopy) form.damagedSettingsCopy = std::string();
    }
}

// Whether the close leaves the stored value as it is: it was not restored
// and the player has not changed its setting since the start-up.
bool keptAsStored(const TForm1& form, const StoredSetting& s, const std::string& text) {
    const auto it = form.settingsNotRestored.find(s.key);
    return it != form.settingsNotRestored.end() && (!it->second || *it->second == text);
}

void restoreGroups(TForm1& form, char first, char last) {
    const SettingsStore& store = form.platform().settings();
    const auto& table = settingsTable();
    std::size_t i = 0;
    while (i < table.size()) {
        const char group = table[i].group;
        std::size_t end = i;
        while (end < table.size() && table[end].group == group) ++end;
        if (group >= first && group <= last) {
            bool skipRest = false;
            for (std::size_t k = i; k < end && !skipRest; ++k) {
                const StoredSetting& s = table[k];
                // An unguarded group's failure ends the reading of every
                // value after it; a guarded one only its own group.
                const std::size_t notRead = guarded(group) ? end : table.size();
                try {
                    restoreOne(form, store, s, skipRest);
                } catch (const Unreadable& e) {
                    noteNotRestored(form, e.key, k, notRead);
                    if (!guarded(group)) throw TextError(AddedText::SettingUnreadable, {e.key});
                    if (s.damaged) Target(form, s).set(*s.damaged);
                    break;
                } catch (const std::exception&) {
                    noteNotRestored(form, s.key, k, notRead);
                    if (!guarded(group)) throw;
                    if (s.damaged) Target(form, s).set(*s.damaged);
                    break;
                }
            }
        }
        i = end;
    }
}

void saveRanks(TForm1& form, SettingsStore& store, int firstRank, int lastRank) {
    std::vector<const StoredSetting*> rows;
    for (const StoredSetting& s : settingsTable())
        if (!s.step && s.saveRank >= firstRank && s.saveRank <= lastRank) rows.push_back(&s);
    std::stable_sort(rows.begin(), rows.end(), [](const StoredSetting* a, const StoredSetting* b) {
        return a->saveRank < b->saveRank;
    });
    const bool normal = form.windowState == TForm1::WindowState::Normal;
    for (const StoredSetting* s : rows) {
        if (s->normalWindowOnly && !normal) continue;
        const auto text = Target(form, *s).get();
        if (!text) throw Unreadable{s->key};
        if (keptAsStored(form, *s, *text)) continue;
        writeValue(store, *s, *text);
    }
}

}  // namespace

void restoreSettings(TForm1& form) {
    restoreGroups(form, 'A', 'G');
}

void restoreNetworkAndDateSettings(TForm1& form) {
    restoreGroups(form, 'H', 'I');
}

std::string finishSettingsRestore(TForm1& form) {
    for (auto& [key, text] : form.settingsNotRestored) {
        for (const StoredSetting& s : settingsTable())
            if (s.key == key && !s.step) text = Target(form, s).get();
    }
    if (form.unreadableSettings.empty()) return {};
    std::string report;
    for (const std::string& key : form.unreadableSettings)
        report += form.addedTexts.format(AddedText::SettingUnreadable, {key}) + "\n";
    report += form.msg(AddedText::SettingsKeptAsStored);
    if (form.damagedSettingsCopy && !form.damagedSettingsCopy->empty())
        report +=
            "\n" + form.addedTexts.format(AddedText::SettingsCopyKept, {*form.damagedSettingsCopy});
    return report;
}

std::string saveSettings(TForm1& form) {
    SettingsStore& store = form.platform().settings();
    // A failure ends the save; what was written up to there stays, and the
    // first failure is what the player is told.
    std::string failure;
    const auto note = [&form, &failure](const std::exception& e) {
        if (failure.empty())
            failure = form.addedTexts.format(AddedText::SettingsNotSaved,
                                             {errorText(e, form.addedTexts)});
    };
    const auto flush = [&store, &note] {
        try {
            store.flush();
        } catch (const std::exception& e) {
            note(e);
        }
    };
    try {
        saveRanks(form, store, 1, kFirstPrintSaveRank - 1);
    } catch (const std::exception& e) {
        note(e);
        flush();
        return failure;
    }
    try {
        saveRanks(form, store, kFirstPrintSaveRank, 1000);
    } catch (const std::exception& e) {
        note(e);
    }
    flush();
    return failure;
}

}  // namespace kugel
