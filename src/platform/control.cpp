#include "platform/control.h"

namespace platform {

const char* KindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label: return "Label";
    case ControlKind::CommandButton: return "CommandButton";
    case ControlKind::OptionButton: return "OptionButton";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::TextBox: return "TextBox";
    case ControlKind::ComboBox: return "ComboBox";
    case ControlKind::ListBox: return "ListBox";
    case ControlKind::Frame: return "Frame";
    case ControlKind::PictureBox: return "PictureBox";
    }
    return "Control";
}

Control::Control(ControlKind kind, std::string name, Control* container)
    : kind_(kind), name_(std::move(name)), container_(container) {}

void Control::SetCaption(std::string text) {
    if (caption_ == text) return;
    caption_ = std::move(text);
    Changed();
}

void Control::SetEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    Changed();
}

void Control::SetVisible(bool on) {
    if (visible_ == on) return;
    visible_ = on;
    Changed();
}

void Control::UserMouseMove() { Fire(MouseMove); }

bool Control::UserLeave() {
    if (!Validate) return true;
    bool cancel = false;
    Validate(cancel);
    return !cancel;
}

void Control::Changed() {
    if (observer_) observer_(*this);
}

bool CommandButton::UserClick() {
    if (!Enabled() || !Visible()) return false;
    Fire(Click);
    return true;
}

void OptionButton::SetValue(bool selected) {
    if (!selected) {
        if (value_) {
            value_ = false;
            Changed();
        }
        return;
    }
    if (group_) {
        for (OptionButton* other : group_()) {
            if (other != this && other->value_) {
                other->value_ = false;
                other->Changed();
            }
        }
    }
    bool was = value_;
    value_ = true;
    if (!was) Changed();
    Fire(Click);
}

bool OptionButton::UserClick() {
    if (!Enabled() || !Visible()) return false;
    SetValue(true);
    return true;
}

void CheckBox::SetValue(int value) {
    if (value_ == value) return;
    value_ = value;
    Changed();
    Fire(Click);
}

bool CheckBox::UserClick() {
    if (!Enabled() || !Visible()) return false;
    SetValue(value_ == 1 ? 0 : 1);
    return true;
}

void TextBox::SetCaption(std::string text) {
    if (text == Caption()) return;
    Control::SetCaption(std::move(text));
    Fire(Change);
}

bool TextBox::UserType(std::string text) {
    if (!Enabled() || !Visible() || locked_) return false;
    SetCaption(std::move(text));
    return true;
}

std::string ListControl::List(int index) const {
    if (index < 0 || index >= ListCount()) return {};
    return items_[static_cast<size_t>(index)];
}

void ListControl::SetList(int index, std::string text) {
    if (index < 0) return;
    if (index >= ListCount()) {
        items_.push_back(std::move(text));
    } else {
        items_[static_cast<size_t>(index)] = std::move(text);
    }
    SyncText();
    Changed();
}

void ListControl::AddItem(std::string text) {
    items_.push_back(std::move(text));
    Changed();
}

void ListControl::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) return;
    items_.erase(items_.begin() + index);
    if (listIndex_ == index) {
        listIndex_ = -1;
    } else if (listIndex_ > index) {
        --listIndex_;
    }
    SyncText();
    Changed();
}

void ListControl::Clear() {
    items_.clear();
    listIndex_ = -1;
    SyncText();
    Changed();
}

void ListControl::SetListIndex(int index) {
    if (index < -1 || index >= ListCount()) index = -1;
    listIndex_ = index;
    SyncText();
    Changed();
    Fire(Click);
}

bool ListControl::UserSelect(int index) {
    if (!Enabled() || !Visible() || index < 0 || index >= ListCount()) return false;
    SetListIndex(index);
    return true;
}

bool ListControl::UserSelectText(const std::string& text) {
    for (int i = 0; i < ListCount(); ++i) {
        if (items_[static_cast<size_t>(i)] == text) return UserSelect(i);
    }
    return false;
}

void ListControl::SyncText() {
    // Control::SetCaption, not a virtual override: a list's text follows its selection.
    Control::SetCaption(listIndex_ >= 0 ? items_[static_cast<size_t>(listIndex_)] : std::string());
}

void ShowHelpOnMouseMove(Control& control, TextBox& helpLine, std::string text) {
    control.MouseMove = [&helpLine, text = std::move(text)] { helpLine.SetText(text); };
}

}  // namespace platform
