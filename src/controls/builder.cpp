#include "controls/builder.h"

namespace kugel {
namespace {
template <typename T>
T& place(T& c, Bounds b, const std::string& caption, const std::string& hint) {
    c.setBounds(b.left, b.top, b.width, b.height);
    if (!caption.empty()) c.setCaption(caption);
    if (!hint.empty()) c.setHint(hint);
    return c;
}
}  // namespace

Panel& Builder::panel(const std::string& name, Component* parent, Bounds b,
                      const std::string& caption, Kind kind) {
    return place(form_.create<Panel>(kind, name, parent), b, caption, {});
}

TabSheet& Builder::tabSheet(const std::string& name, PageControl& parent,
                            const std::string& caption) {
    auto& page = form_.create<TabSheet>(name, &parent);
    page.setCaption(caption);
    if (!parent.activePage()) parent.setActivePage(&page);
    return page;
}

PageControl& Builder::pageControl(const std::string& name, Component* parent, Bounds b) {
    return place(form_.create<PageControl>(name, parent), b, {}, {});
}

Label& Builder::label(const std::string& name, Component* parent, Bounds b,
                      const std::string& caption, const std::string& hint) {
    return place(form_.create<Label>(name, parent), b, caption, hint);
}

Edit& Builder::edit(const std::string& name, Component* parent, Bounds b, const std::string& text,
                    const std::string& hint) {
    auto& e = place(form_.create<Edit>(name, parent), b, {}, hint);
    if (!text.empty()) e.setText(text);
    return e;
}

ComboBox& Builder::comboBox(const std::string& name, Component* parent, Bounds b,
                            const std::string& hint) {
    return place(form_.create<ComboBox>(name, parent), b, {}, hint);
}

UpDown& Builder::upDown(const std::string& name, Edit& associate, int min, int max, int position) {
    auto& u = form_.create<UpDown>(name, associate.parent());
    const Bounds& e = associate.bounds();
    u.setBounds(e.left + e.width, e.top, 16, e.height);
    u.setRange(min, max);
    u.setPosition(position);
    u.setAssociate(&associate);
    return u;
}

CheckBox& Builder::checkBox(const std::string& name, Component* parent, Bounds b,
                            const std::string& caption, bool checked, const std::string& hint) {
    auto& c = place(form_.create<CheckBox>(Kind::CheckBox, name, parent), b, caption, hint);
    c.setChecked(checked);
    return c;
}

CheckBox& Builder::radioButton(const std::string& name, Component* parent, Bounds b,
                               const std::string& caption, bool checked, const std::string& hint) {
    auto& c = place(form_.create<CheckBox>(Kind::RadioButton, name, parent), b, caption, hint);
    c.setChecked(checked);
    return c;
}

Button& Builder::button(const std::string& name, Kind kind, Component* parent, Bounds b,
                        const std::string& caption, const std::string& hint) {
    return place(form_.create<Button>(kind, name, parent), b, caption, hint);
}

DateTimePicker& Builder::datePicker(const std::string& name, Component* parent, Bounds b,
                                    const std::string& hint) {
    return place(form_.create<DateTimePicker>(name, parent), b, {}, hint);
}

MenuItem& Builder::menuItem(const std::string& name, Component* parent, const std::string& caption,
                            const std::string& shortCut) {
    auto& m = form_.create<MenuItem>(name, parent);
    m.setCaption(caption);
    if (!shortCut.empty()) m.setShortCut(shortCut);
    return m;
}

}  // namespace kugel
