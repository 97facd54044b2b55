#include "controls/form.h"

#include <algorithm>
#include <stdexcept>

namespace kugel {

Form::Form(std::string name, Platform& platform)
    : Component(*this, Kind::Form, std::move(name), nullptr), platform_(platform) {}

Component* Form::find(std::string_view name) const {
    if (name == this->name()) return const_cast<Form*>(this);
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

void Form::addHandler(const std::string& name, Handler handler) {
    handlers_[name] = std::move(handler);
}

const Handler* Form::handler(std::string_view name) const {
    auto it = handlers_.find(name);
    return it == handlers_.end() ? nullptr : &it->second;
}

void Form::run(std::string_view handlerName, Component* sender) {
    const Handler* h = handler(handlerName);
    if (!h)
        throw std::invalid_argument("unknown handler " + name() + "." + std::string(handlerName));
    (*h)(sender);
}

void Form::addField(const std::string& name, Field field) {
    fields_[name] = std::move(field);
}

const Field* Form::field(std::string_view name) const {
    auto it = fields_.find(name);
    return it == fields_.end() ? nullptr : &it->second;
}

void Form::addObserver(FormObserver* observer) {
    observers_.push_back(observer);
}

void Form::removeObserver(FormObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void Form::notify(Component& component, std::string_view property) {
    // Observers may detach while being notified; iterate over a copy.
    const auto observers = observers_;
    for (FormObserver* o : observers) o->propertyChanged(component, property);
}

}  // namespace kugel
