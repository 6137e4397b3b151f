#pragma once
// Control models with the properties and events the windows are written against.
// They hold state and run handlers; drawing belongs to a desktop backend, which
// observes changes through SetObserver.

#include <functional>
#include <string>
#include <vector>

namespace platform {

enum class ControlKind {
    Label,
    CommandButton,
    OptionButton,
    CheckBox,
    TextBox,
    ComboBox,
    ListBox,
    Frame,
    PictureBox,
};

const char* KindName(ControlKind kind);

class Control {
public:
    Control(ControlKind kind, std::string name, Control* container);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    // The frame (or other control) that holds this one; nullptr for the form itself.
    Control* Container() const { return container_; }

    // Caption of labels, buttons, frames, options and check boxes; Text of text
    // boxes and lists. Both name the same text, as the windows use one or the other.
    const std::string& Caption() const { return caption_; }
    virtual void SetCaption(std::string text);
    const std::string& Text() const { return Caption(); }
    void SetText(std::string text) { SetCaption(std::move(text)); }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    bool Visible() const { return visible_; }
    void SetVisible(bool on);

    // Events; a window assigns its handlers in its constructor.
    std::function<void()> Click;
    std::function<void()> MouseMove;
    std::function<void()> Change;
    // Runs when the focus would leave; setting cancel keeps the focus here.
    std::function<void(bool& cancel)> Validate;

    // The user moves the mouse over the control.
    void UserMouseMove();
    // The user tries to leave the control; false when Validate kept the focus.
    bool UserLeave();

    // A backend learns here of every change of state, to redraw.
    void SetObserver(std::function<void(Control&)> observer) { observer_ = std::move(observer); }

protected:
    void Changed();
    void Fire(const std::function<void()>& handler) {
        if (handler) handler();
    }

private:
    ControlKind kind_;
    std::string name_;
    Control* container_;
    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    std::function<void(Control&)> observer_;
};

class Label : public Control {
public:
    Label(std::string name, Control* container) : Control(ControlKind::Label, std::move(name), container) {}
};

class Frame : public Control {
public:
    Frame(std::string name, Control* container) : Control(ControlKind::Frame, std::move(name), container) {}
};

class PictureBox : public Control {
public:
    PictureBox(std::string name, Control* container)
        : Control(ControlKind::PictureBox, std::move(name), container) {}
};

class CommandButton : public Control {
public:
    CommandButton(std::string name, Control* container)
        : Control(ControlKind::CommandButton, std::move(name), container) {}
    // A user's press: runs Click when the button can be pressed.
    bool UserClick();
};

// Option buttons are grouped by their container. Setting Value true, by code or by
// the user, clears the other options of the group and runs Click. The model also
// allows no option selected and an option selected while disabled.
class OptionButton : public Control {
public:
    OptionButton(std::string name, Control* container)
        : Control(ControlKind::OptionButton, std::move(name), container) {}
    bool Value() const { return value_; }
    void SetValue(bool selected);
    bool UserClick();

    // Set by the owning form so that an option can find its group.
    void SetGroup(std::function<std::vector<OptionButton*>()> group) { group_ = std::move(group); }

private:
    bool value_ = false;
    std::function<std::vector<OptionButton*>()> group_;
};

// 0 cleared, 1 ticked, 2 grayed. A change of Value runs Click, from code or user.
class CheckBox : public Control {
public:
    CheckBox(std::string name, Control* container)
        : Control(ControlKind::CheckBox, std::move(name), container) {}
    int Value() const { return value_; }
    void SetValue(int value);
    bool UserClick();

private:
    int value_ = 0;
};

// Setting Text to a different text runs Change, from code or user.
class TextBox : public Control {
public:
    TextBox(std::string name, Control* container) : Control(ControlKind::TextBox, std::move(name), container) {}
    void SetCaption(std::string text) override;
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool on) { multiLine_ = on; }
    bool Locked() const { return locked_; }
    void SetLocked(bool on) { locked_ = on; }
    // A user's typing: replaces the whole text when the box takes input.
    bool UserType(std::string text);

private:
    bool multiLine_ = false;
    bool locked_ = false;
};

// Combo and list boxes. ListIndex -1 is no selection. Setting ListIndex runs Click.
// For a drop-down list the Text is the selected entry's text.
class ListControl : public Control {
public:
    ListControl(ControlKind kind, std::string name, Control* container)
        : Control(kind, std::move(name), container) {}

    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::vector<std::string>& Items() const { return items_; }
    // Entry i; "" outside the list.
    std::string List(int index) const;
    // Replaces the text of an existing entry; an index past the end appends.
    void SetList(int index, std::string text);
    void AddItem(std::string text);
    void RemoveItem(int index);
    void Clear();

    int ListIndex() const { return listIndex_; }
    void SetListIndex(int index);
    bool UserSelect(int index);
    // Selects the first entry with this exact text; false when there is none.
    bool UserSelectText(const std::string& text);

private:
    void SyncText();
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

class ComboBox : public ListControl {
public:
    ComboBox(std::string name, Control* container) : ListControl(ControlKind::ComboBox, std::move(name), container) {}
};

class ListBox : public ListControl {
public:
    ListBox(std::string name, Control* container) : ListControl(ControlKind::ListBox, std::move(name), container) {}
};

// Moving the mouse over the control writes a fixed sentence into a window's help line.
void ShowHelpOnMouseMove(Control& control, TextBox& helpLine, std::string text);

}  // namespace platform
