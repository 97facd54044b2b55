#include "controls/component.h"

#include <algorithm>

#include "controls/form.h"
#include "controls/property_names.h"
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

// "Lines[3]" names item 3 of the list "Lines".
bool namesItemOf(std::string_view name, std::string_view list) {
    return name.size() > list.size() && name.starts_with(list) && name[list.size()] == '[' &&
           name.ends_with("]");
}

// The item's index; nothing when the name is no item of the list or its index
// is not a whole number from 0.
std::optional<std::size_t> itemIndex(std::string_view name, std::string_view list) {
    if (!namesItemOf(name, list)) return std::nullopt;
    const std::size_t from = list.size() + 1;
    const auto k = parseInt(std::string(name.substr(from, name.size() - from - 1)));
    if (!k || *k < 0) return std::nullopt;
    return static_cast<std::size_t>(*k);
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
    changed(prop::Caption);
}

void Component::setHint(std::string text) {
    if (hint_ == text) return;
    hint_ = std::move(text);
    changed(prop::Hint);
}

void Component::setVisible(bool on) {
    if (visible_ == on) return;
    visible_ = on;
    changed(prop::Visible);
}

void Component::setEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    changed(prop::Enabled);
}

void Component::setColor(Color c) {
    if (color_ == c) return;
    color_ = c;
    changed(prop::Color);
}

void Component::setFontColor(Color c) {
    if (fontColor_ == c) return;
    fontColor_ = c;
    changed(prop::FontColor);
}

void Component::setTag(int t) {
    tag_ = t;
    changed(prop::Tag);
}

void Component::setShowHint(bool on) {
    showHint_ = on;
    changed(prop::ShowHint);
}

void Component::setCharset(int cs) {
    charset_ = cs;
    changed(prop::Charset);
}

void Component::setBounds(int left, int top, int width, int height) {
    bounds_ = {left, top, width, height};
    changed(prop::Bounds);
}

void Component::setFontHeight(int px) {
    fontHeight_ = px;
    changed(prop::Font);
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
    if (name == prop::Caption) return caption_;
    if (name == prop::Hint) return hint_;
    if (name == prop::Visible) return boolText(visible_);
    if (name == prop::Enabled) return boolText(enabled_);
    if (name == prop::Color) return colorToText(color_);
    if (name == prop::FontColor) return colorToText(fontColor_);
    if (name == prop::Tag) return std::to_string(tag_);
    if (name == prop::ShowHint) return boolText(showHint_);
    if (name == prop::Name) return name_;
    return std::nullopt;
}

SetResult Component::setProperty(std::string_view name, const std::string& value) {
    if (name == prop::Caption) {
        setCaption(value);
        return SetResult::Ok;
    }
    if (name == prop::Hint) {
        setHint(value);
        return SetResult::Ok;
    }
    if (name == prop::Visible || name == prop::Enabled || name == prop::ShowHint) {
        const auto b = parseBool(value);
        if (!b) return SetResult::BadValue;
        if (name == prop::Visible)
            setVisible(*b);
        else if (name == prop::Enabled)
            setEnabled(*b);
        else
            setShowHint(*b);
        return SetResult::Ok;
    }
    if (name == prop::Color || name == prop::FontColor) {
        const auto c = colorFromText(value);
        if (!c) return SetResult::BadValue;
        if (name == prop::Color)
            setColor(*c);
        else
            setFontColor(*c);
        return SetResult::Ok;
    }
    if (name == prop::Tag) {
        return applyInt(value, [this](int v) { setTag(v); });
    }
    return SetResult::UnknownProperty;
}

// ---------------------------------------------------------------- Label

Label::Label(Form& owner, std::string name, Component* parent)
    : Component(owner, Kind::Label, std::move(name), parent) {}

void Label::setAlignment(Alignment a) {
    if (alignment_ == a) return;
    alignment_ = a;
    changed(prop::Alignment);
}

void Label::setBold(bool on) {
    if (bold_ == on) return;
    bold_ = on;
    changed(prop::Font);
}

std::optional<std::string> Label::property(std::string_view name) const {
    if (name == prop::Alignment)
        return alignment_ == Alignment::Right ? "taRightJustify" : "taLeftJustify";
    if (name == "Bold") return boolText(bold_);
    return Component::property(name);
}

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
    changed(prop::Text);
    fire("OnChange");
}

void Edit::setReadOnly(bool on) {
    readOnly_ = on;
    changed(prop::ReadOnly);
}

std::optional<std::string> Edit::property(std::string_view name) const {
    if (name == prop::Text) return text_;
    if (name == prop::ReadOnly) return boolText(readOnly_);
    return Component::property(name);
}

SetResult Edit::setProperty(std::string_view name, const std::string& value) {
    if (name == prop::Text) {
        setText(value);
        return SetResult::Ok;
    }
    if (name == prop::ReadOnly) {
        return applyBool(value, [this](bool on) { setReadOnly(on); });
    }
    return Component::setProperty(name, value);
}

// ---------------------------------------------------------------- ComboBox

ComboBox::ComboBox(Form& owner, std::string name, Component* parent)
    : Edit(owner, Kind::ComboBox, std::move(name), parent) {}

void ComboBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    changed(prop::Items);
}

std::optional<std::string> ComboBox::property(std::string_view name) const {
    if (name == prop::ItemsCount) return std::to_string(items_.size());
    if (namesItemOf(name, prop::Items)) {
        const auto k = itemIndex(name, prop::Items);
        if (!k || *k >= items_.size()) return std::nullopt;
        return items_[*k];
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
    changed(prop::Position);
    if (associate_) associate_->setText(std::to_string(position_));
}

void UpDown::setMin(int v) {
    min_ = v;
    changed(prop::Min);
}

void UpDown::setMax(int v) {
    max_ = v;
    changed(prop::Max);
}

void UpDown::setRange(int lo, int hi) {
    min_ = lo;
    max_ = hi;
    changed(prop::Min);
    changed(prop::Max);
}

void UpDown::setAssociate(Edit* edit) {
    associate_ = edit;
    if (associate_) associate_->setText(std::to_string(position_));
}

void UpDown::settleText() {
    if (!associate_) return;
    const auto typed = parseInt(associate_->text());
    const int settled = typed ? clamp(*typed) : position_;
    if (associate_->text() == std::to_string(settled) && settled == position_) return;
    setPosition(settled);
}

void UpDown::step(int delta) {
    fire("OnChanging");
    setPosition(position() + delta);
    fire("OnClick");
}

std::optional<std::string> UpDown::property(std::string_view name) const {
    if (name == prop::Position) return std::to_string(position());
    if (name == prop::Min) return std::to_string(min_);
    if (name == prop::Max) return std::to_string(max_);
    return Component::property(name);
}

SetResult UpDown::setProperty(std::string_view name, const std::string& value) {
    if (name == prop::Position || name == prop::Min || name == prop::Max) {
        const auto v = parseInt(value);
        if (!v) return SetResult::BadValue;
        if (name == prop::Position)
            setPosition(*v);
        else if (name == prop::Min)
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
    changed(prop::Checked);
    // A radio button reports a click only when it becomes the chosen one.
    if (on || kind() != Kind::RadioButton) fire("OnClick");
}

std::optional<std::string> CheckBox::property(std::string_view name) const {
    if (name == prop::Checked) return boolText(checked_);
    return Component::property(name);
}

SetResult CheckBox::setProperty(std::string_view name, const std::string& value) {
    if (name == prop::Checked) {
        return applyBool(value, [this](bool on) { setChecked(on); });
    }
    return Component::setProperty(name, value);
}

// ---------------------------------------------------------------- RadioGroup

RadioGroup::RadioGroup(Form& owner, std::string name, Component* parent)
    : Component(owner, Kind::RadioGroup, std::move(name), parent) {}

std::vector<CheckBox*> RadioGroup::buttons() const {
    std::vector<CheckBox*> out;
    for (const auto& c : owner().components())
        if (c->parent() == this && c->kind() == Kind::RadioButton)
            out.push_back(static_cast<CheckBox*>(c.get()));
    return out;
}

int RadioGroup::itemIndex() const {
    const auto all = buttons();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i]->checked()) return static_cast<int>(i);
    return -1;
}

void RadioGroup::setItemIndex(int index) {
    const auto all = buttons();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (static_cast<int>(i) != index) all[i]->setChecked(false);
    if (index >= 0 && index < static_cast<int>(all.size()))
        all[static_cast<std::size_t>(index)]->setChecked(true);
}

std::optional<std::string> RadioGroup::property(std::string_view name) const {
    if (name == "ItemIndex") return std::to_string(itemIndex());
    return Component::property(name);
}

SetResult RadioGroup::setProperty(std::string_view name, const std::string& value) {
    if (name == "ItemIndex") return applyInt(value, [this](int i) { setItemIndex(i); });
    return Component::setProperty(name, value);
}

// ---------------------------------------------------------------- TabSheet

TabSheet::TabSheet(Form& owner, std::string name, Component* parent)
    : Component(owner, Kind::TabSheet, std::move(name), parent) {}

void TabSheet::setTabVisible(bool on) {
    tabVisible_ = on;
    changed(prop::TabVisible);
}

std::optional<std::string> TabSheet::property(std::string_view name) const {
    if (name == prop::TabVisible) return boolText(tabVisible_);
    return Component::property(name);
}

SetResult TabSheet::setProperty(std::string_view name, const std::string& value) {
    if (name == prop::TabVisible) {
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
    changed(prop::ActivePage);
}

std::vector<TabSheet*> PageControl::pages() const {
    std::vector<TabSheet*> result;
    for (const auto& c : owner().components())
        if (c->parent() == this && c->kind() == Kind::TabSheet)
            result.push_back(static_cast<TabSheet*>(c.get()));
    return result;
}

std::optional<std::string> PageControl::property(std::string_view name) const {
    if (name == prop::ActivePage) return activePage_ ? activePage_->name() : std::string();
    return Component::property(name);
}

SetResult PageControl::setProperty(std::string_view name, const std::string& value) {
    if (name == prop::ActivePage) {
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
        changed(prop::Date);
        fire("OnChange");
    }
    return true;
}

void DateTimePicker::setMinDate(double day) {
    minDate_ = day;
    changed(prop::MinDate);
}

std::optional<std::string> DateTimePicker::property(std::string_view name) const {
    if (name == prop::Date) return dayValueText(date_);
    if (name == prop::MinDate) return dayValueText(minDate_);
    return Component::property(name);
}

SetResult DateTimePicker::setProperty(std::string_view name, const std::string& value) {
    if (name == prop::Date || name == prop::MinDate) {
        const auto day = parseDayValue(value);
        if (!day) return SetResult::BadValue;
        if (name == prop::MinDate) {
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
    changed(prop::Lines);
}

std::string Memo::line(std::size_t k) const {
    return k < lines_.size() ? lines_[k] : std::string();
}

std::optional<std::string> Memo::property(std::string_view name) const {
    if (name == prop::LinesCount) return std::to_string(lines_.size());
    if (namesItemOf(name, prop::Lines)) {
        const auto k = itemIndex(name, prop::Lines);
        if (!k) return std::nullopt;
        return line(*k);
    }
    return Component::property(name);
}

SetResult Memo::setProperty(std::string_view name, const std::string& value) {
    if (namesItemOf(name, prop::Lines)) {
        const auto k = itemIndex(name, prop::Lines);
        // A memo holds text lines, not a store for any index a script names.
        if (!k || *k >= static_cast<std::size_t>(kMaxMemoLines)) return SetResult::BadValue;
        auto lines = lines_;
        if (*k >= lines.size()) lines.resize(*k + 1);
        lines[*k] = value;
        setLines(std::move(lines));
        return SetResult::Ok;
    }
    return Component::setProperty(name, value);
}

// ---------------------------------------------------------------- StatusBar

StatusBar::StatusBar(Form& owner, std::string name, Component* parent)
    : Component(owner, Kind::StatusBar, std::move(name), parent) {}

void StatusBar::addPanel(int width) {
    panels_.push_back({std::string(), width, std::string()});
}

void StatusBar::setPanelText(std::size_t index, std::string text) {
    if (index >= panels_.size() || panels_[index].text == text) return;
    panels_[index].text = std::move(text);
    changed(prop::Panels);
}

std::string StatusBar::panelText(std::size_t index) const {
    return index < panels_.size() ? panels_[index].text : std::string();
}

void StatusBar::setPanelHint(std::size_t index, std::string hint) {
    if (index >= panels_.size() || panels_[index].hint == hint) return;
    panels_[index].hint = std::move(hint);
    changed(prop::Panels);
}

std::string StatusBar::panelHint(std::size_t index) const {
    return index < panels_.size() ? panels_[index].hint : std::string();
}

void StatusBar::setProgress(StatusProgress progress) {
    if (progress.position == progress_.position && progress.maximum == progress_.maximum &&
        progress.text == progress_.text)
        return;
    progress_ = std::move(progress);
    changed(prop::Progress);
}

std::optional<std::string> StatusBar::property(std::string_view name) const {
    if (const auto k = itemIndex(name, prop::Panels); k && *k < panels_.size())
        return panels_[*k].text;
    if (name == prop::Progress) return progress_.maximum > 0 ? progress_.text : std::string();
    return Component::property(name);
}

SetResult StatusBar::setProperty(std::string_view name, const std::string& value) {
    if (const auto k = itemIndex(name, prop::Panels)) {
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
    changed(prop::ShortCut);
}

void MenuItem::setChecked(bool on) {
    checked_ = on;
    changed(prop::Checked);
}

std::optional<std::string> MenuItem::property(std::string_view name) const {
    if (name == prop::ShortCut) return shortCut_;
    if (name == prop::Checked) return boolText(checked_);
    return Component::property(name);
}

SetResult MenuItem::setProperty(std::string_view name, const std::string& value) {
    if (name == prop::Checked) {
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
    changed(prop::Interval);
}

std::optional<std::string> Timer::property(std::string_view name) const {
    if (name == prop::Interval) return std::to_string(interval_);
    return Component::property(name);
}

SetResult Timer::setProperty(std::string_view name, const std::string& value) {
    if (name == prop::Interval) {
        return applyInt(value, [this](int v) { setInterval(v); });
    }
    return Component::setProperty(name, value);
}

// ---------------------------------------------------------------- FileDialog

FileDialog::FileDialog(Form& owner, Kind kind, std::string name, Component* parent)
    : Component(owner, kind, std::move(name), parent) {}

}  // namespace kugel
