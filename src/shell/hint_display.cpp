#include "shell/hint_display.h"

#include "model/main_window.h"

namespace kugel {
namespace {

const char* handlerForKind(Kind kind) {
    switch (kind) {
        case Kind::Label:
            return "Label30MouseMove";
        case Kind::SpeedButton:
            return "SpeedButton4MouseMove";
        case Kind::BitBtn:
            return "BitBtn7MouseMove";
        case Kind::Button:
            return "Button6MouseMove";
        case Kind::CheckBox:
        case Kind::RadioButton:
            return "CheckBox16MouseMove";
        case Kind::Edit:
        case Kind::DateTimePicker:
            return "Edit85MouseMove";
        default:
            return nullptr;
    }
}

}  // namespace

void registerHintDisplay(TForm1& form) {
    for (const char* name : {"Label30MouseMove", "SpeedButton4MouseMove", "BitBtn7MouseMove",
                             "Button6MouseMove", "CheckBox16MouseMove", "Edit85MouseMove"}) {
        form.addHandler(name, [&form](Component* sender) {
            if (sender) form.StatusBar1->setPanelText(1, sender->hint());
        });
    }
    for (const auto& c : form.components()) {
        const char* handler = handlerForKind(c->kind());
        if (handler && !c->hint().empty() && !c->handlerFor("OnMouseMove"))
            c->bindEvent("OnMouseMove", handler);
    }
}

}  // namespace kugel
