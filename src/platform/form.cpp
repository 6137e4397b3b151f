#include "platform/form.h"

namespace platform {

Form::Form(std::string name, std::string caption) : name_(std::move(name)), caption_(std::move(caption)) {}

Form::~Form() = default;

Control* Form::Find(std::string_view name) const {
    for (const auto& control : controls_) {
        if (control->Name() == name) return control.get();
    }
    return nullptr;
}

std::vector<Control*> Form::Children(const Control* container) const {
    std::vector<Control*> children;
    for (const auto& control : controls_) {
        if (control->Container() == container) children.push_back(control.get());
    }
    return children;
}

std::vector<OptionButton*> Form::OptionGroup(const Control* container) const {
    std::vector<OptionButton*> group;
    for (const auto& control : controls_) {
        if (control->Kind() == ControlKind::OptionButton && control->Container() == container) {
            group.push_back(static_cast<OptionButton*>(control.get()));
        }
    }
    return group;
}

void Form::Adopt(std::unique_ptr<Control> control) {
    if (control->Kind() == ControlKind::OptionButton) {
        const Control* container = control->Container();
        static_cast<OptionButton*>(control.get())->SetGroup([this, container] { return OptionGroup(container); });
    }
    controls_.push_back(std::move(control));
}

void Form::Centre(int screenWidth, int screenHeight) {
    Left = (screenWidth - Width) / 2;
    Top = (screenHeight - Height) / 2;
}

}  // namespace platform
