#include "platform/desktop.h"

#include <algorithm>
#include <stdexcept>

namespace platform {

void FormRegistry::Register(const std::string& name, Factory factory) { factories_[name] = std::move(factory); }

Form& FormRegistry::Get(const std::string& name) {
    auto found = live_.find(name);
    if (found != live_.end()) return *found->second;
    auto factory = factories_.find(name);
    if (factory == factories_.end()) throw std::logic_error("no window named " + name);
    auto form = factory->second();
    Form& ref = *form;
    live_[name] = std::move(form);
    return ref;
}

void FormRegistry::Retire(Form& form) {
    auto found = live_.find(form.Name());
    if (found == live_.end() || found->second.get() != &form) return;
    retired_.push_back(std::move(found->second));
    live_.erase(found);
}

void Desktop::ShowModal(Form& form) {
    if (!form.Loaded()) {
        form.MarkLoaded(true);
        form.Form_Load();
        // A load handler may unload its own window.
        if (!form.Loaded()) return;
    }
    shown_.push_back(&form);
    struct Pop {
        std::vector<Form*>& shown;
        Form* form;
        ~Pop() {
            auto it = std::find(shown.begin(), shown.end(), form);
            if (it != shown.end()) shown.erase(it);
        }
    } pop{shown_, &form};
    RunModal(form);
}

void Desktop::Show(Form& form) {
    if (!form.Loaded()) {
        form.MarkLoaded(true);
        form.Form_Load();
        if (!form.Loaded()) return;
    }
    if (std::find(shown_.begin(), shown_.end(), &form) == shown_.end()) shown_.push_back(&form);
    RunModeless(form);
}

void Desktop::UserClose(Form& form) {
    if (!form.Loaded()) return;
    if (form.CloseBoxClick) {
        form.CloseBoxClick();
    } else {
        Unload(form);
    }
}

void Desktop::Unload(Form& form) {
    if (!form.Loaded()) return;
    form.Form_Unload();
    form.MarkLoaded(false);
    auto it = std::find(shown_.begin(), shown_.end(), &form);
    if (it != shown_.end()) shown_.erase(it);
    Unloaded(form);
    forms_.Retire(form);
}

}  // namespace platform
