#include "controls/component.h"

#include <algorithm>

#include "controls/form.h"
#include "controls/value_text.h"

namespace kugel {

namespace {

// Parses a property value and applies it; a value of the wrong type is refused.
template <typename Apply>
SetResult applyBool(const std::string& value, Apply apply) {
    const auto b = parseBool(value);
    if (!b) return SetResult::BadValue;
    apply(*b);
    return SetResult::Ok;
}

template <typename Apply>
SetResult applyInt(const std::string& value, Apply apply) {
    const auto v = parseInt(value);
    if (!v) return SetResult::BadValue;
    apply(*v);
    return SetResult::Ok;
}

}  // namespace

// ---------------------------------------------------------------- Component

Component::Component(Form& owner, Kind kind, std::string name, Component* parent)
    : owner_(owner), kind_(kind), name_(std::move(name)), parent_(parent) {}

void Component::changed(std::string_view property) {
    owner_.notify(*this, property);
}

void Component::setCaption(std::string text) {
    if (caption_ == text) return;
    caption_ = std::move(text);
    changed("Caption");
}

void Component::setHint(std::string text) {
    if (hint_ == text) return;
    hint_ = std::move(text);
    changed("Hint");
}

void Component::setVisible(bool on) {
    if (visible_ == on) return;
    visible_ = on;
    changed("Visible");
}

void Component::setEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    changed("Enabled");
}

void Component::setColor(Color c) {
    if (color_ == c) return;
    color_ = c;
    changed("Color");
}

void Component::setFontColor(Color c) {
    if (fontColor_ == c) return;
    fontColor_ = c;
    changed("FontColor");
}

void Component::setTag(int t) {
    tag_ = t;
    changed("Tag");
}

void Component::setShowHint(bool on) {
    showHint_ = on;
    changed("ShowHint");
}

void Component::setCharset(int cs) {
    charset_ = cs;
    changed("Charset");
}

void Component::setBounds(int left, int top, int width, int height) {
    bounds_ = {left, top, width, height};
    changed("Bounds");
}

void Component::setFontHeight(int px) {
    fontHeight_ = px;
    changed("Font");
}

void Component::bindEvent(const std::string& event, const std::string& handler) {
    events_[event] = handler;
}

const std::string* Component::handlerFor(std::string_view event) const {
    auto it = events_.find(event);
    return it == events_.end() ? nullptr : &it->second;
}

void Component::fire(std::string_view event) {
    if (const std::string* name = handlerFor(event)) owner_.run(*name, this);
}

std::optional<std::string> Component::property(std::string_view name) const {
    if (name == "Caption") return caption_;
    if (name == "Hint") return hint_;
    if (name == "Visible") return boolText(visible_);
    if (name == "Enabled") return boolText(enabled_);
    if (name == "Color") return colorToText(color_);
    if (name == "FontColor") return colorToText(fontColor_);
    if (name == "Tag") return std::to_string(tag_);
    if (name == "ShowHint") return boolText(showHint_);
    if (name == "Name") return name_;
    return std::nullopt;
}

SetResult Component::setProperty(std::string_view name, const std::string& value) {
    if (name == "Caption") {
        setCaption(value);
        return SetResult::Ok;
    }
    if (name == "Hint") {
        setHint(value);
        return SetResult::Ok;
    }
    if (name == "Visible" || name == "Enabled" || name == "ShowHint") {
        const auto b = parseBool(value);
        if (!b) return SetResult::BadValue;
        if (name == "Visible")
            setVisible(*b);
        else if (name == "Enabled")
            setEnabled(*b);
        else
            setShowHint(*b);
        return SetResult::Ok;
    }
    if (name == "Color" || name == "FontColor") {
        const auto c = colorFromText(value);
        if (!c) return SetResult::BadValue;
        if (name == "Color")
            setColor(*c);
        else
            setFontColor(*c);
        return SetResult::Ok;
    }
    if (name == "Tag") {
        return applyInt(value, [this](int v) { setTag(v); });
    }
    return SetResult::UnknownProperty;
}

// ---------------------------------------------------------------- Label

Label::Label(Form& owner, std::string name, Component* parent)
    : Component(owner, Kind::Label, std::move(name), parent) {}

// ---------------------------------------------------------------- Edit

Edit::Edit(Form& owner, std::string name, Component* parent)
    : Edit(owner, Kind::Edit, std::move(name), parent) {}

Edit::Edit(Form& owner, Kind kind, std::string name, Component* parent)
    : Component(owner, kind, std::move(name), parent) {
    setColor(clWindow);
}

void Edit::setText(std::string text) {
    if (text_ == text) return;
    text_ = std::move(text);
    changed("Text");
    fire("OnChange");
}

void Edit::setReadOnly(bool on) {
    readOnly_ = on;
    changed("ReadOnly");
}

std::optional<std::string> Edit::property(std::string_view name) const {
    if (name == "Text") return text_;
    if (name == "ReadOnly") return boolText(readOnly_);
    return Component::property(name);
}

SetResult Edit::setProperty(std::string_view name, const std::string& value) {
    if (name == "Text") {
        setText(value);
        return SetResult::Ok;
    }
    if (name == "ReadOnly") {
        return applyBool(value, [this](bool on) { setReadOnly(on); });
    }
    return Component::setProperty(name, value);
}

// ---------------------------------------------------------------- ComboBox

ComboBox::ComboBox(Form& owner, std::string name, Component* parent)
    : Edit(owner, Kind::ComboBox, std::move(name), parent) {}

void ComboBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    changed("Items");
}

std::optional<std::string> ComboBox::property(std::string_view name) const {
    if (name == "Items.Count") return std::to_string(items_.size());
    if (name.starts_with("Items[") && name.ends_with("]")) {
        const auto k = parseInt(std::string(name.substr(6, name.size() - 7)));
        if (!k || *k < 0 || static_cast<std::size_t>(*k) >= items_.size()) return std::nullopt;
        return items_[static_cast<std::size_t>(*k)];
    }
    return Edit::property(name);
}

// ---------------------------------------------------------------- UpDown

UpDown::UpDown(Form& owner, std::string name, Component* parent)
    : Component(owner, Kind::UpDown, std::move(name), parent) {}

int UpDown::clamp(int v) const {
    return std::clamp(v, std::min(min_, max_), std::max(min_, max_));
}

int UpDown::position() const {
    // A number typed into the edit counts once it lies in range, as with
    // the classic spinner, which reads its buddy's text.
    if (associate_) {
        if (const auto typed = parseInt(associate_->text()); typed && *typed == clamp(*typed))
            return *typed;
    }
    return position_;
}

void UpDown::setPosition(int pos) {
    position_ = clamp(pos);
    changed("Position");
    if (associate_) associate_->setText(std::to_string(position_));
}

void UpDown::setMin(int v) {
    min_ = v;
    changed("Min");
}

void UpDown::setMax(int v) {
    max_ = v;
    changed("Max");
}

void UpDown::setRange(int lo, int hi) {
    min_ = lo;
    max_ = hi;
    changed("Min");
    changed("Max");
}

void UpDown::setAssociate(Edit* edit) {
    associate_ = edit;
    if (associate_) associate_->setText(std::to_string(position_));
}

void UpDown::step(int delta) {
    fire("OnChanging");
    setPosition(position() + delta);
    fire("OnClick");
}

std::optional<std::string> UpDown::property(std::string_view name) const {
    if (name == "Position") return std::to_string(position());
    if (name == "Min") return std::to_string(min_);
    if (name == "Max") return std::to_string(max_);
    return Component::property(name);
}

SetResult UpDown::setProperty(std::string_view name, const std::string& value) {
    if (name == "Position" || name == "Min" || name == "Max") {
        const auto v = parseInt(value);
        if (!v) return SetResult::BadValue;
        if (name == "Position")
            setPosition(*v);
        else if (name == "Min")
            setMin(*v);
        else
            setMax(*v);
        return SetResult::Ok;
    }
    return Component::setProperty(name, value);
}

// ---------------------------------------------------------------- CheckBox

CheckBox::CheckBox(Form& owner, Kind kind, std::string name, Component* parent)
    : Component(owner, kind, std::move(name), parent) {}

void CheckBox::setChecked(bool on) {
    if (checked_ == on) return;
    checked_ = on;
    changed("Checked");
    // A radio button reports a click only when it becomes the chosen one.
    if (on || kind() != Kind::RadioButton) fire("OnClick");
}

std::optional<std::string> CheckBox::property(std::string_view name) const {
    if (name == "Checked") return boolText(checked_);
    return Component::property(name);
}

SetResult CheckBox::setProperty(std::string_view name, const std::string& value) {
    if (name == "Checked") {
        return applyBool(value, [this](bool on) { setChecked(on); });
    }
    return Component::setProperty(name, value);
}

// ---------------------------------------------------------------- TabSheet

TabSheet::TabSheet(Form& owner, std::string name, Component* parent)
    : Component(owner, Kind::TabSheet, std::move(name), parent) {}

void TabSheet::setTabVisible(bool on) {
    tabVisible_ = on;
    changed("TabVisible");
}

std::optional<std::string> TabSheet::property(std::string_view name) const {
    if (name == "TabVisible") return boolText(tabVisible_);
    return Component::property(name);
}

SetResult TabSheet::setProperty(std::string_view name, const std::string& value) {
    if (name == "TabVisible") {
        return applyBool(value, [this](bool on) { setTabVisible(on); });
    }
    return Component::setProperty(name, value);
}

// ---------------------------------------------------------------- PageControl

PageControl::PageControl(Form& owner, std::string name, Component* parent)
    : Component(owner, Kind::PageControl, std::move(name), parent) {}

void PageControl::setActivePage(TabSheet* page) {
    if (activePage_ == page) return;
    activePage_ = page;
    changed("ActivePage");
}

std::vector<TabSheet*> PageControl::pages() const {
    std::vector<TabSheet*> result;
    for (const auto& c : owner().components())
        if (c->parent() == this && c->kind() == Kind::TabSheet)
            result.push_back(static_cast<TabSheet*>(c.get()));
    return result;
}

std::optional<std::string> PageControl::property(std::string_view name) const {
    if (name == "ActivePage") return activePage_ ? activePage_->name() : std::string();
    return Component::property(name);
}

SetResult PageControl::setProperty(std::string_view name, const std::string& value) {
    if (name == "ActivePage") {
        for (TabSheet* page : pages()) {
            if (page->name() == value) {
                setActivePage(page);
                return SetResult::Ok;
            }
        }
        return SetResult::BadValue;
    }
    return Component::setProperty(name, value);
}

// ---------------------------------------------------------------- DateTimePicker

DateTimePicker::DateTimePicker(Form& owner, std::string name, Component* parent)
    : Component(owner, Kind::DateTimePicker, std::move(name), parent) {
    setColor(clWindow);
}

bool DateTimePicker::setDate(double day) {
    if (day < minDate_) return false;
    if (date_ != day) {
        date_ = day;
        changed("Date");
        fire("OnChange");
    }
    return true;
}

void DateTimePicker::setMinDate(double day) {
    minDate_ = day;
    changed("MinDate");
}

std::optional<std::string> DateTimePicker::property(std::string_view name) const {
    if (name == "Date") return dayValueText(date_);
    if (name == "MinDate") return dayValueText(minDate_);
    return Component::property(name);
}

SetResult DateTimePicker::setProperty(std::string_view name, const std::string& value) {
    if (name == "Date" || name == "MinDate") {
        const auto day = parseDayValue(value);
        if (!day) return SetResult::BadValue;
        if (name == "MinDate") {
            setMinDate(*day);
            return SetResult::Ok;
        }
        return setDate(*day) ? SetResult::Ok : SetResult::Refused;
    }
    return Component::setProperty(name, value);
}

// ---------------------------------------------------------------- Memo

Memo::Memo(Form& owner, std::string name, Component* parent)
    : Component(owner, Kind::Memo, std::move(name), parent) {}

void Memo::setLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    changed("Lines");
}

std::string Memo::line(std::size_t k) const {
    return k < lines_.size() ? lines_[k] : std::string();
}

std::optional<std::string> Memo::property(std::string_view name) const {
    if (name == "Lines.Count") return std::to_string(lines_.size());
    if (name.starts_with("Lines[") && name.ends_with("]")) {
        const auto k = parseInt(std::string(name.substr(6, name.size() - 7)));
        if (!k || *k < 0) return std::nullopt;
        return line(static_cast<std::size_t>(*k));
    }
    return Component::property(name);
}

SetResult Memo::setProperty(std::string_view name, const std::string& value) {
    if (name.starts_with("Lines[") && name.ends_with("]")) {
        const auto k = parseInt(std::string(name.substr(6, name.size() - 7)));
        // A memo holds text lines, not a store for any index a script names.
        if (!k || *k < 0 || *k >= kMaxMemoLines) return SetResult::BadValue;
        auto lines = lines_;
        if (static_cast<std::size_t>(*k) >= lines.size())
            lines.resize(static_cast<std::size_t>(*k) + 1);
        lines[static_cast<std::size_t>(*k)] = value;
        setLines(std::move(lines));
        return SetResult::Ok;
    }
    return Component::setProperty(name, value);
}

// ---------------------------------------------------------------- StatusBar

StatusBar::StatusBar(Form& owner, std::string name, Component* parent)
    : Component(owner, Kind::StatusBar, std::move(name), parent) {}

void StatusBar::addPanel(int width) {
    panels_.push_back({std::string(), width});
}

void StatusBar::setPanelText(std::size_t index, std::string text) {
    if (index >= panels_.size() || panels_[index].text == text) return;
    panels_[index].text = std::move(text);
    changed("Panels");
}

std::string StatusBar::panelText(std::size_t index) const {
    return index < panels_.size() ? panels_[index].text : std::string();
}

namespace {
std::optional<std::size_t> panelIndex(std::string_view name) {
    if (!name.starts_with("Panels[") || !name.ends_with("]")) return std::nullopt;
    const auto k = parseInt(std::string(name.substr(7, name.size() - 8)));
    if (!k || *k < 0) return std::nullopt;
    return static_cast<std::size_t>(*k);
}
}  // namespace

std::optional<std::string> StatusBar::property(std::string_view name) const {
    if (const auto k = panelIndex(name); k && *k < panels_.size()) return panels_[*k].text;
    return Component::property(name);
}

SetResult StatusBar::setProperty(std::string_view name, const std::string& value) {
    if (const auto k = panelIndex(name)) {
        if (*k >= panels_.size()) return SetResult::BadValue;
        setPanelText(*k, value);
        return SetResult::Ok;
    }
    return Component::setProperty(name, value);
}

// ---------------------------------------------------------------- MenuItem

MenuItem::MenuItem(Form& owner, std::string name, Component* parent)
    : Component(owner, Kind::MenuItem, std::move(name), parent) {}

void MenuItem::setShortCut(std::string keys) {
    shortCut_ = std::move(keys);
    changed("ShortCut");
}

void MenuItem::setChecked(bool on) {
    checked_ = on;
    changed("Checked");
}

std::optional<std::string> MenuItem::property(std::string_view name) const {
    if (name == "ShortCut") return shortCut_;
    if (name == "Checked") return boolText(checked_);
    return Component::property(name);
}

SetResult MenuItem::setProperty(std::string_view name, const std::string& value) {
    if (name == "Checked") {
        return applyBool(value, [this](bool on) { setChecked(on); });
    }
    return Component::setProperty(name, value);
}

// ---------------------------------------------------------------- Timer

Timer::Timer(Form& owner, std::string name, Component* parent)
    : Component(owner, Kind::Timer, std::move(name), parent) {
    setEnabled(false);
}

void Timer::setInterval(int ms) {
    interval_ = ms;
    changed("Interval");
}

std::optional<std::string> Timer::property(std::string_view name) const {
    if (name == "Interval") return std::to_string(interval_);
    return Component::property(name);
}

SetResult Timer::setProperty(std::string_view name, const std::string& value) {
    if (name == "Interval") {
        return applyInt(value, [this](int v) { setInterval(v); });
    }
    return Component::setProperty(name, value);
}

// ---------------------------------------------------------------- FileDialog

FileDialog::FileDialog(Form& owner, Kind kind, std::string name, Component* parent)
    : Component(owner, kind, std::move(name), parent) {}

}  // namespace kugel
