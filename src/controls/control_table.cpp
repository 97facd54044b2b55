#include "controls/control_table.h"

#include "controls/chart.h"
#include "controls/form.h"

namespace kugel {
namespace {

Component* parentOf(Form& form, const ControlRow& row) {
    if (row.parent.empty()) return &form;
    Component* parent = form.find(row.parent);
    if (!parent)
        throw std::logic_error(form.name() + "." + row.name + ": no parent " + row.parent +
                               " created before it");
    return parent;
}

void place(Component& c, const ControlRow& row) {
    const Bounds& b = row.bounds;
    c.setBounds(b.left, b.top, b.width, b.height);
    if (!row.caption.empty()) c.setCaption(row.caption);
    if (!row.hint.empty()) c.setHint(row.hint);
}

Component& createPlaced(Form& form, const ControlRow& row, Component* parent) {
    switch (row.kind) {
        case Kind::MainMenu:
        case Kind::Panel:
        case Kind::GroupBox: {
            auto& c = form.create<Panel>(row.kind, row.name, parent);
            place(c, row);
            return c;
        }
        case Kind::RadioGroup: {
            Component& c = row.frameOnly ? static_cast<Component&>(form.create<Panel>(
                                               Kind::RadioGroup, row.name, parent))
                                         : form.create<RadioGroup>(row.name, parent);
            place(c, row);
            return c;
        }
        case Kind::MenuItem: {
            auto& m = form.create<MenuItem>(row.name, parent);
            m.setCaption(row.caption);
            if (!row.hint.empty()) m.setHint(row.hint);
            if (!row.shortCut.empty()) m.setShortCut(row.shortCut);
            return m;
        }
        case Kind::PageControl: {
            auto& c = form.create<PageControl>(row.name, parent);
            place(c, row);
            return c;
        }
        case Kind::TabSheet: {
            auto* control = dynamic_cast<PageControl*>(parent);
            if (!control)
                throw std::logic_error(form.name() + "." + row.name +
                                       ": a tab sheet needs a page "
                                       "control as its parent");
            auto& page = form.create<TabSheet>(row.name, parent);
            page.setCaption(row.caption);
            if (!control->activePage()) control->setActivePage(&page);
            return page;
        }
        case Kind::Label: {
            auto& l = form.create<Label>(row.name, parent);
            place(l, row);
            return l;
        }
        case Kind::Edit:
        case Kind::ComboBox: {
            Edit& e = row.kind == Kind::Edit ? form.create<Edit>(row.name, parent)
                                             : form.create<ComboBox>(row.name, parent);
            const Bounds& b = row.bounds;
            e.setBounds(b.left, b.top, b.width, b.height);
            if (!row.hint.empty()) e.setHint(row.hint);
            if (!row.caption.empty()) e.setText(row.caption);
            return e;
        }
        case Kind::UpDown: {
            auto* edit = dynamic_cast<Edit*>(form.find(row.associate));
            if (!edit)
                throw std::logic_error(form.name() + "." + row.name + ": no edit " + row.associate +
                                       " created before it");
            auto& u = form.create<UpDown>(row.name, edit->parent());
            const Bounds& e = edit->bounds();
            u.setBounds(e.left + e.width, e.top, 16, e.height);
            u.setRange(row.min, row.max);
            u.setPosition(row.position);
            u.setAssociate(edit);
            return u;
        }
        case Kind::CheckBox:
        case Kind::RadioButton: {
            auto& c = form.create<CheckBox>(row.kind, row.name, parent);
            place(c, row);
            c.setChecked(row.checked);
            return c;
        }
        case Kind::Button:
        case Kind::BitBtn:
        case Kind::SpeedButton: {
            auto& c = form.create<Button>(row.kind, row.name, parent);
            place(c, row);
            c.modalResult = row.modalResult;
            return c;
        }
        case Kind::DateTimePicker: {
            auto& d = form.create<DateTimePicker>(row.name, parent);
            place(d, row);
            if (row.minDate) d.setMinDate(*row.minDate);
            if (row.date) d.setDate(*row.date);
            return d;
        }
        case Kind::Memo: {
            auto& m = form.create<Memo>(row.name, parent);
            m.setWordWrap(row.wordWrap);
            place(m, row);
            return m;
        }
        case Kind::StatusBar: {
            auto& s = form.create<StatusBar>(row.name, parent);
            place(s, row);
            return s;
        }
        case Kind::Chart: {
            auto& c = form.create<Chart>(row.name, parent);
            place(c, row);
            return c;
        }
        case Kind::Timer: {
            auto& t = form.create<Timer>(row.name, parent);
            if (row.interval) t.setInterval(row.interval);
            return t;
        }
        case Kind::SaveDialog:
        case Kind::OpenDialog:
            return form.create<FileDialog>(row.kind, row.name, parent);
        case Kind::Form:
            break;
    }
    throw std::logic_error(form.name() + "." + row.name + ": not a kind of control");
}

void build(Form& form, const ControlRow& row) {
    Component& c = createPlaced(form, row, parentOf(form, row));
    if (row.tag) c.setTag(row.tag);
    if (row.fontHeight) c.setFontHeight(row.fontHeight);
    if (row.fontColor) c.setFontColor(*row.fontColor);
    if (auto* label = dynamic_cast<Label*>(&c)) {
        if (row.alignment != Alignment::Left) label->setAlignment(row.alignment);
        if (row.bold) label->setBold(true);
    }
    if (!row.visible) c.setVisible(false);
    if (!row.tabVisible) {
        auto* page = dynamic_cast<TabSheet*>(&c);
        if (!page) throw std::logic_error(form.name() + "." + row.name + " is not a tab sheet");
        page->setTabVisible(false);
    }
}

}  // namespace

ControlRows creationOrder(const ControlRows& designed, const ControlRows& added) {
    return concatenate({designed, added});
}

ControlRows concatenate(std::initializer_list<ControlRows> parts) {
    ControlRows rows;
    for (const ControlRows& part : parts) rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}

void buildControls(Form& form, const ControlRows& rows) {
    for (const ControlRow& row : rows) build(form, row);
    // Events once every row stands: setting an initial state (an up-down
    // writes its edit's text) must not run a handler the form has not
    // registered yet.
    for (const ControlRow& row : rows)
        for (const EventBinding& e : row.events)
            controlNamed(form, row.name).bindEvent(e.event, e.handler);
}

Component& controlNamed(Form& form, std::string_view name) {
    Component* c = form.find(name);
    if (!c) throw std::logic_error(form.name() + " has no control " + std::string(name));
    return *c;
}

}  // namespace kugel
