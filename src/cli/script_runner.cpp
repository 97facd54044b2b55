#include "cli/script_runner.h"

#include <array>
#include <exception>
#include <string_view>

#include "controls/chart.h"
#include "controls/component.h"
#include "controls/form.h"
#include "shell/application.h"

namespace kugel::cli {
namespace {

// Event names a handler's name ends with ("BitBtn4Click", "Edit1Change").
constexpr std::array<std::string_view, 16> kEventSuffixes = {
    "Click",   "DblClick", "Changing", "Change", "Exit",  "Enter", "MouseMove", "MouseDown",
    "MouseUp", "KeyPress", "KeyDown",  "KeyUp",  "Timer", "Show",  "Activate",  "Resize"};

std::string qualified(const Command& c) {
    std::string s = c.target.form + "." + c.target.name;
    if (!c.target.property.empty()) s += "." + c.target.property;
    return s;
}

}  // namespace

ScriptRunner::ScriptRunner(Application& app, ScriptedPlatform& platform, std::ostream& out)
    : app_(app), platform_(platform), out_(out) {
    platform_.onShowModal = [this](Form& f) { return showModal(f); };
    platform_.onProcessEvents = [this] { eventsHandled(); };
}

ScriptRunner::~ScriptRunner() {
    platform_.onShowModal = nullptr;
    platform_.onProcessEvents = nullptr;
}

void ScriptRunner::run(const std::vector<Command>& commands) {
    for (const Command& c : commands) {
        execute(c);
        // A dialog that found no answer ends the script even when the
        // program caught the error on its way out.
        if (const auto& dialog = platform_.unanswered()) throw NoAnswerError(*dialog);
    }
}

void ScriptRunner::execute(const Command& c) {
    const int outer = currentLine_;
    currentLine_ = c.line;
    switch (c.op) {
        case Command::Op::Start:
            app_.start();
            break;
        case Command::Op::Activate:
            app_.activate();
            break;
        case Command::Op::Close:
            app_.close();
            break;
        case Command::Op::Set:
            doSet(c);
            break;
        case Command::Op::Call:
            doCall(c);
            break;
        case Command::Op::Click:
            doClick(c);
            break;
        case Command::Op::Print:
            doPrint(c);
            break;
        case Command::Op::Answer:
            platform_.queueAnswer(c.answer);
            break;
        case Command::Op::Modal:
            if (!app_.form(c.target.form))
                throw ScriptError{c.line, "unknown form " + c.target.form};
            modalBlocks_[c.target.form].push_back(&c);
            break;
        case Command::Op::OnEvents:
            pending_.push_back({c.count, &c.body.front()});
            break;
    }
    currentLine_ = outer;
}

Form& ScriptRunner::form(const Command& c) const {
    Form* f = app_.form(c.target.form);
    if (!f) throw ScriptError{c.line, "unknown form " + c.target.form};
    return *f;
}

Component& ScriptRunner::component(const Command& c, Form& f, const std::string& name) const {
    Component* comp = f.find(name);
    if (!comp) throw ScriptError{c.line, "unknown control " + f.name() + "." + name};
    return *comp;
}

void ScriptRunner::doSet(const Command& c) {
    Form& f = form(c);
    if (c.target.property.empty()) {
        const Field* field = f.field(c.target.name);
        if (!field) throw ScriptError{c.line, "unknown field " + qualified(c)};
        if (!field->set) throw ScriptError{c.line, qualified(c) + " cannot be set"};
        if (!field->set(c.value))
            throw ScriptError{c.line, "value \"" + c.value + "\" does not fit " + qualified(c)};
        return;
    }
    Component& comp = component(c, f, c.target.name);
    SetResult result = SetResult::Ok;
    // Set as the user would: an error the program raises becomes its message box.
    app_.userAction([&] { result = comp.setProperty(c.target.property, c.value); });
    switch (result) {
        case SetResult::Ok:
        case SetResult::Refused:  // e.g. a date before MinDate: the control keeps its value
            return;
        case SetResult::UnknownProperty:
            throw ScriptError{c.line, "unknown property " + qualified(c)};
        case SetResult::BadValue:
            throw ScriptError{c.line, "value \"" + c.value + "\" does not fit " + qualified(c)};
    }
}

void ScriptRunner::doCall(const Command& c) {
    Form& f = form(c);
    const std::string& handler = c.target.name;
    if (!f.handler(handler)) throw ScriptError{c.line, "unknown handler " + qualified(c)};
    Component* sender = nullptr;
    if (!c.value.empty()) {
        sender = &component(c, f, c.value);
    } else {
        // The control the handler is named after, else the form.
        for (const std::string_view suffix : kEventSuffixes) {
            if (handler.size() > suffix.size() && handler.ends_with(suffix)) {
                sender =
                    f.find(std::string_view(handler).substr(0, handler.size() - suffix.size()));
                if (sender) break;
            }
        }
        if (!sender) sender = &f;
    }
    app_.invoke(f, handler, sender);
}

void ScriptRunner::doClick(const Command& c) {
    Form& f = form(c);
    Component& comp = component(c, f, c.target.name);
    if (comp.kind() == Kind::CheckBox || comp.kind() == Kind::RadioButton) {
        // A click changes the state first, and the change runs the click handler.
        auto& box = static_cast<CheckBox&>(comp);
        const bool next = comp.kind() == Kind::CheckBox ? !box.checked() : true;
        if (next != box.checked()) {
            app_.userAction([&] { box.setChecked(next); });
            return;
        }
    }
    app_.fireEvent(comp, "OnClick");
}

void ScriptRunner::doPrint(const Command& c) {
    Form& f = form(c);
    const std::string name = qualified(c);
    if (c.target.property.empty()) {
        if (const Field* field = f.field(c.target.name)) {
            out_ << name << '=' << field->get() << '\n';
            return;
        }
        // The chart state is printed as a line of plain JSON, ready for a parser.
        if (const auto* chart = f.findAs<Chart>(c.target.name)) {
            out_ << chart->toJson() << '\n';
            return;
        }
        // A property of the form itself: "Form1.Caption".
        if (const auto value = f.property(c.target.name)) {
            out_ << name << '=' << *value << '\n';
            return;
        }
        throw ScriptError{c.line, "unknown field " + name};
    }
    const Component& comp = component(c, f, c.target.name);
    const auto value = comp.property(c.target.property);
    if (!value) throw ScriptError{c.line, "unknown property " + name};
    out_ << name << '=' << *value << '\n';
}

int ScriptRunner::showModal(Form& f) {
    auto it = modalBlocks_.find(f.name());
    if (it == modalBlocks_.end() || it->second.empty()) {
        out_ << "modal " << f.name() << " -> (no answer)\n";
        platform_.failNoAnswer("modal " + f.name());
    }
    const Command* block = it->second.front();
    it->second.pop_front();
    for (const Command& line : block->body) execute(line);
    return block->count;
}

void ScriptRunner::eventsHandled() {
    // Lines due now run in script order; lines they schedule count from the next round.
    std::vector<const Command*> due;
    std::vector<PendingLine> later;
    for (PendingLine& p : pending_) {
        if (--p.remaining == 0)
            due.push_back(p.command);
        else
            later.push_back(p);
    }
    pending_ = std::move(later);
    for (const Command* c : due) execute(*c);
}

}  // namespace kugel::cli
