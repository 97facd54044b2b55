#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "controls/component.h"

namespace kugel {

class Platform;

// Notified of every property change of a form's controls (the view).
class FormObserver {
  public:
    virtual ~FormObserver() = default;
    virtual void propertyChanged(Component& component, std::string_view property) = 0;
};

using Handler = std::function<void(Component* sender)>;

// Hashes a name the way it is asked for, so a lookup by string_view builds
// no string. Restoring the settings, walking a language file and every
// script step look controls up by name, many hundred times in a row.
struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const noexcept {
        return std::hash<std::string_view>{}(name);
    }
};
template <typename T>
using ByName = std::unordered_map<std::string, T, NameHash, std::equal_to<>>;

// A field of the form reachable by name for automation (print/set).
struct Field {
    std::function<std::string()> get;
    std::function<bool(const std::string&)> set;  // empty: read-only
};

// A window: its own properties (caption, client size, font), its controls in
// creation order, its handlers and fields by name.
class Form : public Component {
  public:
    Form(std::string name, Platform& platform);

    Platform& platform() const { return platform_; }

    // Creates a control owned by this form; creation order is kept.
    template <typename T, typename... Args>
    T& create(Args&&... args) {
        auto owned = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& ref = *owned;
        components_.push_back(std::move(owned));
        byName_[ref.name()] = &ref;
        return ref;
    }

    const std::vector<std::unique_ptr<Component>>& components() const { return components_; }
    Component* find(std::string_view name) const;
    template <typename T>
    T* findAs(std::string_view name) const {
        return dynamic_cast<T*>(find(name));
    }

    void addHandler(const std::string& name, Handler handler);
    const Handler* handler(std::string_view name) const;
    // Runs a handler by name; throws std::invalid_argument when unknown.
    void run(std::string_view handlerName, Component* sender);

    void addField(const std::string& name, Field field);
    const Field* field(std::string_view name) const;

    void addObserver(FormObserver* observer);
    void removeObserver(FormObserver* observer);
    void notify(Component& component, std::string_view property);

    // Result a modal showing ends with; set by the dialog's buttons, read by
    // whoever showed it.
    DialogResult modalResult = DialogResult::None;

  private:
    Platform& platform_;
    std::vector<std::unique_ptr<Component>> components_;
    ByName<Component*> byName_;
    ByName<Handler> handlers_;
    ByName<Field> fields_;
    std::vector<FormObserver*> observers_;
};

}  // namespace kugel
