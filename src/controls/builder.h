#pragma once

#include <string>

#include "controls/chart.h"
#include "controls/form.h"

namespace kugel {

// Short-hand for laying out a form's controls in creation order: each call
// creates one control under its name with its caption, hint and bounds.
class Builder {
  public:
    explicit Builder(Form& form) : form_(form) {}

    Form& form() const { return form_; }

    Panel& panel(const std::string& name, Component* parent, Bounds b,
                 const std::string& caption = {}, Kind kind = Kind::Panel);
    TabSheet& tabSheet(const std::string& name, PageControl& parent, const std::string& caption);
    PageControl& pageControl(const std::string& name, Component* parent, Bounds b);
    Label& label(const std::string& name, Component* parent, Bounds b, const std::string& caption,
                 const std::string& hint = {});
    Edit& edit(const std::string& name, Component* parent, Bounds b, const std::string& text = {},
               const std::string& hint = {});
    ComboBox& comboBox(const std::string& name, Component* parent, Bounds b,
                       const std::string& hint = {});
    // An edit with its up-down at its right edge; the position shows in the edit.
    UpDown& upDown(const std::string& name, Edit& associate, int min, int max, int position);
    CheckBox& checkBox(const std::string& name, Component* parent, Bounds b,
                       const std::string& caption, bool checked = false,
                       const std::string& hint = {});
    CheckBox& radioButton(const std::string& name, Component* parent, Bounds b,
                          const std::string& caption, bool checked = false,
                          const std::string& hint = {});
    Button& button(const std::string& name, Kind kind, Component* parent, Bounds b,
                   const std::string& caption, const std::string& hint = {});
    DateTimePicker& datePicker(const std::string& name, Component* parent, Bounds b,
                               const std::string& hint = {});
    MenuItem& menuItem(const std::string& name, Component* parent, const std::string& caption,
                       const std::string& shortCut = {});

  private:
    Form& form_;
};

}  // namespace kugel
