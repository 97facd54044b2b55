#pragma once

#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "controls/color.h"
#include "controls/component.h"
#include "platform/dialog_result.h"

namespace kugel {

class Form;

// Whether the settings store keeps a control's value from run to run. Every
// input control of the main window says so in its row: one that does not
// is refused by a test, so a new check box cannot be forgotten silently.
enum class Stored : unsigned char {
    Unsaid,      // a control without a value of its own (labels, buttons, ...)
    Yes,         // the settings table derives the control's row from this one
    OwnRow,      // kept under a key of its own, written out in the settings table
    WithUpDown,  // an edit showing a stored up-down's position, kept with it
    No,          // deliberately not kept; the row's comment says why
};

struct EventBinding {
    std::string event;    // "OnClick", "OnChange", ...
    std::string handler;  // the name the form's handler is registered under
};

// One control of a form as designed: everything the builder needs to create
// it. The rows of a form in order are its creation order, which is also the
// order the language files walk. Members not given keep the control's own
// defaults.
struct ControlRow {
    Kind kind = Kind::Panel;
    std::string name{};
    std::string parent{};  // the parent's name; empty: the form itself
    Bounds bounds{};
    std::string caption{};   // German; an edit's text
    std::string hint{};      // German
    std::string shortCut{};  // menu item: "Ctrl+A"

    // Initial state of the kinds that have it.
    bool checked = false;     // check box, radio button
    std::string associate{};  // up-down: the edit showing its position, at whose right edge it sits
    int min = 0;              // up-down
    int max = 100;
    int position = 0;
    std::optional<double> minDate{};  // date picker
    std::optional<double> date{};
    int interval = 0;  // timer, when not 0
    // A radio group that is only a frame around its buttons, which are read
    // one by one: a plain panel, without an item index.
    bool frameOnly = false;
    bool wordWrap = false;  // memo: a text to read, whose long lines wrap

    // Appearance.
    int tag = 0;
    int fontHeight = 0;
    std::optional<Color> fontColor{};
    Alignment alignment = Alignment::Left;  // label
    bool bold = false;                      // label
    bool visible = true;
    bool tabVisible = true;  // tab sheet

    DialogResult modalResult = DialogResult::None;  // a dialog's button
    std::vector<EventBinding> events{};
    Stored stored = Stored::Unsaid;
};

using ControlRows = std::vector<ControlRow>;

// The rows of a form in creation order: the designed rows, then the rows of
// the controls the program added later. Language files address controls by
// their place in this order, so this is the one place the two meet and an
// added control never lands among the designed ones.
ControlRows creationOrder(const ControlRows& designed, const ControlRows& added);

// Several consecutive parts of one table, in the order given.
ControlRows concatenate(std::initializer_list<ControlRows> parts);

// Creates the controls of `rows` on `form` in table order, then binds their
// events, so the initial state runs no handler. A row's parent must exist by
// then (created by an earlier row, or the form); a missing one throws
// std::logic_error.
void buildControls(Form& form, const ControlRows& rows);

// The created control named `name` as its class, for a form's typed members;
// throws std::logic_error naming the control when there is none of that
// class.
Component& controlNamed(Form& form, std::string_view name);
template <typename T>
T& control(Form& form, std::string_view name) {
    Component& c = controlNamed(form, name);
    if (auto* typed = dynamic_cast<T*>(&c)) return *typed;
    throw std::logic_error("control " + std::string(name) + " has another class");
}

// Assigns `member` the control of its own name: bindMember(form, "CheckBox2", s.CheckBox2).
template <typename T>
void bindMember(Form& form, std::string_view name, T*& member) {
    member = &control<T>(form, name);
}

}  // namespace kugel
