#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/color.h"
#include "platform/dialog_result.h"

namespace kugel {

class Form;

enum class Kind {
    Form,
    MainMenu,
    MenuItem,
    PageControl,
    TabSheet,
    Panel,
    GroupBox,
    RadioGroup,
    Label,
    Edit,
    UpDown,
    CheckBox,
    RadioButton,
    Button,
    BitBtn,
    SpeedButton,
    DateTimePicker,
    Memo,
    StatusBar,
    Chart,
    Timer,
    SaveDialog,
    OpenDialog,
    ComboBox,
};

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Result of setting a property by name (driver, language files).
enum class SetResult { Ok, UnknownProperty, BadValue, Refused };

// One control of a form. Every control lives in its owner form's registry,
// found by name, and reports each property change to the form's observers so
// the view can follow. Subclasses add the properties of their kind.
class Component {
  public:
    Component(Form& owner, Kind kind, std::string name, Component* parent);
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const std::string& name() const { return name_; }
    Kind kind() const { return kind_; }
    Form& owner() const { return owner_; }
    Component* parent() const { return parent_; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string text);
    const std::string& hint() const { return hint_; }
    void setHint(std::string text);
    bool visible() const { return visible_; }
    void setVisible(bool on);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    Color color() const { return color_; }
    void setColor(Color c);
    Color fontColor() const { return fontColor_; }
    void setFontColor(Color c);
    int tag() const { return tag_; }
    void setTag(int t);
    bool showHint() const { return showHint_; }
    void setShowHint(bool on);
    int charset() const { return charset_; }
    void setCharset(int cs);

    // Layout in pixels relative to the parent; a font height of 0 inherits.
    const Bounds& bounds() const { return bounds_; }
    void setBounds(int left, int top, int width, int height);
    int fontHeight() const { return fontHeight_; }
    void setFontHeight(int px);

    // Event name ("OnClick", "OnChange", "OnExit", "OnMouseMove", ...) -> handler name.
    void bindEvent(const std::string& event, const std::string& handler);
    const std::string* handlerFor(std::string_view event) const;
    const std::map<std::string, std::string, std::less<>>& events() const { return events_; }

    // Runs the handler bound to the event, if any, with this control as sender.
    void fire(std::string_view event);

    // Properties by their classic names, as text in the driver's value format.
    virtual std::optional<std::string> property(std::string_view name) const;
    virtual SetResult setProperty(std::string_view name, const std::string& value);

  protected:
    void changed(std::string_view property);

  private:
    Form& owner_;
    Kind kind_;
    std::string name_;
    Component* parent_;
    std::string caption_;
    std::string hint_;
    bool visible_ = true;
    bool enabled_ = true;
    Color color_ = clBtnFace;
    Color fontColor_ = clWindowText;
    int tag_ = 0;
    bool showHint_ = true;
    int charset_ = 1;  // DEFAULT_CHARSET
    Bounds bounds_;
    int fontHeight_ = 0;
    std::map<std::string, std::string, std::less<>> events_;
};

// Plain containers and captions.
class Panel : public Component {
  public:
    using Component::Component;
};

enum class Alignment { Left, Right };

class Label : public Component {
  public:
    Label(Form& owner, std::string name, Component* parent);
    // Figures in a column line up on the right.
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    bool bold() const { return bold_; }
    void setBold(bool on);

    std::optional<std::string> property(std::string_view name) const override;

  private:
    Alignment alignment_ = Alignment::Left;
    bool bold_ = false;
};

// One-line edit. Setting the text runs its change handler, exactly as typing
// does, so normalisation happens however the text arrives.
class Edit : public Component {
  public:
    Edit(Form& owner, std::string name, Component* parent);
    Edit(Form& owner, Kind kind, std::string name, Component* parent);
    const std::string& text() const { return text_; }
    void setText(std::string text);
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool on);

    std::optional<std::string> property(std::string_view name) const override;
    SetResult setProperty(std::string_view name, const std::string& value) override;

  private:
    std::string text_;
    bool readOnly_ = false;
};

// Up-down spinner bound to an edit: the edit shows the position, and a
// number typed into the edit becomes the position when it lies in range.
// An edit with a drop-down list of texts the user can pick from.
class ComboBox : public Edit {
  public:
    ComboBox(Form& owner, std::string name, Component* parent);
    const std::vector<std::string>& items() const { return items_; }
    void setItems(std::vector<std::string> items);

    std::optional<std::string> property(std::string_view name) const override;

  private:
    std::vector<std::string> items_;
};

class UpDown : public Component {
  public:
    UpDown(Form& owner, std::string name, Component* parent);
    int position() const;
    void setPosition(int pos);
    int min() const { return min_; }
    int max() const { return max_; }
    void setMin(int v);
    void setMax(int v);
    void setRange(int lo, int hi);
    Edit* associate() const { return associate_; }
    void setAssociate(Edit* edit);

    // One click on an arrow: runs OnChanging, then moves by one within range.
    void step(int delta);
    // The user has left the edit (or pressed Enter): its text becomes the
    // position, a number outside the range clamped into it, anything else
    // replaced by the position, so the edit shows the value in use.
    void settleText();

    std::optional<std::string> property(std::string_view name) const override;
    SetResult setProperty(std::string_view name, const std::string& value) override;

  private:
    int clamp(int v) const;
    int position_ = 0;
    int min_ = 0;
    int max_ = 100;
    Edit* associate_ = nullptr;
};

class CheckBox : public Component {
  public:
    CheckBox(Form& owner, Kind kind, std::string name, Component* parent);
    bool checked() const { return checked_; }
    // A change of state runs OnClick (for a radio button only when it gets
    // checked), as with the classic controls.
    void setChecked(bool on);

    std::optional<std::string> property(std::string_view name) const override;
    SetResult setProperty(std::string_view name, const std::string& value) override;

  private:
    bool checked_ = false;
};

// A group of radio buttons: the buttons are its children, and ItemIndex is
// the position of the checked one among them (-1: none).
class RadioGroup : public Component {
  public:
    RadioGroup(Form& owner, std::string name, Component* parent);
    std::vector<CheckBox*> buttons() const;
    int itemIndex() const;
    // An index outside the buttons unchecks them all.
    void setItemIndex(int index);

    std::optional<std::string> property(std::string_view name) const override;
    SetResult setProperty(std::string_view name, const std::string& value) override;
};

class Button : public Component {
  public:
    using Component::Component;
    // A button of a dialog that closes it with this result when clicked.
    DialogResult modalResult = DialogResult::None;
};

class TabSheet : public Component {
  public:
    TabSheet(Form& owner, std::string name, Component* parent);
    bool tabVisible() const { return tabVisible_; }
    void setTabVisible(bool on);

    std::optional<std::string> property(std::string_view name) const override;
    SetResult setProperty(std::string_view name, const std::string& value) override;

  private:
    bool tabVisible_ = true;
};

class PageControl : public Component {
  public:
    PageControl(Form& owner, std::string name, Component* parent);
    TabSheet* activePage() const { return activePage_; }
    void setActivePage(TabSheet* page);
    std::vector<TabSheet*> pages() const;

    std::optional<std::string> property(std::string_view name) const override;
    SetResult setProperty(std::string_view name, const std::string& value) override;

  private:
    TabSheet* activePage_ = nullptr;
};

// Date picker holding a day value; it refuses dates before MinDate.
class DateTimePicker : public Component {
  public:
    DateTimePicker(Form& owner, std::string name, Component* parent);
    double date() const { return date_; }
    // Returns false and keeps the date when it lies before MinDate.
    bool setDate(double day);
    double minDate() const { return minDate_; }
    void setMinDate(double day);

    std::optional<std::string> property(std::string_view name) const override;
    SetResult setProperty(std::string_view name, const std::string& value) override;

  private:
    double date_ = 0;
    double minDate_ = 0;
};

class Memo : public Component {
  public:
    // Setting line k fills the lines before it; indices stay below this.
    static constexpr int kMaxMemoLines = 100000;

    Memo(Form& owner, std::string name, Component* parent);
    const std::vector<std::string>& lines() const { return lines_; }
    void setLines(std::vector<std::string> lines);
    // Line k, or an empty text beyond the last line.
    std::string line(std::size_t k) const;
    // Whether a line longer than the memo is wide goes on below, at a blank,
    // instead of running out of sight.
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool on) { wordWrap_ = on; }

    std::optional<std::string> property(std::string_view name) const override;
    SetResult setProperty(std::string_view name, const std::string& value) override;

  private:
    std::vector<std::string> lines_;
    bool wordWrap_ = false;
};

struct StatusPanel {
    std::string text;
    int width = 0;     // 0 for the last panel: the rest of the bar
    std::string hint;  // the panel's tool-tip: its whole text where the panel is too narrow
};

// A progress bar in the status bar while a long operation runs.
struct StatusProgress {
    int position = 0;
    int maximum = 0;  // 0: no progress bar
    std::string text;
};

class StatusBar : public Component {
  public:
    StatusBar(Form& owner, std::string name, Component* parent);
    const std::vector<StatusPanel>& panels() const { return panels_; }
    void addPanel(int width);
    void setPanelText(std::size_t index, std::string text);
    std::string panelText(std::size_t index) const;
    void setPanelHint(std::size_t index, std::string hint);
    std::string panelHint(std::size_t index) const;
    const StatusProgress& progress() const { return progress_; }
    void setProgress(StatusProgress progress);

    std::optional<std::string> property(std::string_view name) const override;
    SetResult setProperty(std::string_view name, const std::string& value) override;

  private:
    std::vector<StatusPanel> panels_;
    StatusProgress progress_;
};

class MenuItem : public Component {
  public:
    MenuItem(Form& owner, std::string name, Component* parent);
    const std::string& shortCut() const { return shortCut_; }
    void setShortCut(std::string keys);  // "Ctrl+A"
    bool checked() const { return checked_; }
    void setChecked(bool on);

    std::optional<std::string> property(std::string_view name) const override;
    SetResult setProperty(std::string_view name, const std::string& value) override;

  private:
    std::string shortCut_;
    bool checked_ = false;
};

class Timer : public Component {
  public:
    Timer(Form& owner, std::string name, Component* parent);
    int interval() const { return interval_; }
    void setInterval(int ms);

    std::optional<std::string> property(std::string_view name) const override;
    SetResult setProperty(std::string_view name, const std::string& value) override;

  private:
    int interval_ = 1000;
};

// Non-visual file dialog settings; the dialog itself is the Platform's.
class FileDialog : public Component {
  public:
    FileDialog(Form& owner, Kind kind, std::string name, Component* parent);
    std::string filter;
    std::string defaultExt;
    std::string fileName;
    std::string initialDir;
};

}  // namespace kugel
