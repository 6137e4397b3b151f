#pragma once
// A window: it owns its controls (named as the windows' descriptions name them) and
// its event handlers. Forms hold logic, never drawing.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control.h"

namespace platform {

class Form {
public:
    Form(std::string name, std::string caption);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }

    // Position and size in pixels; the load handlers centre the window with them.
    int Left = 0, Top = 0, Width = 480, Height = 360;

    // Adds a control; controls are drawn in the order they are added, inside their container.
    template <class C>
    C& Add(std::string name, std::string caption = {}, Control* container = nullptr) {
        auto control = std::make_unique<C>(std::move(name), container);
        C& ref = *control;
        ref.Control::SetCaption(std::move(caption));
        Adopt(std::move(control));
        return ref;
    }

    Control* Find(std::string_view name) const;
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
    // The controls directly inside a container (nullptr: the form itself).
    std::vector<Control*> Children(const Control* container) const;

    // Mouse over the window itself.
    std::function<void()> MouseMove;
    // The user closes the window from its title bar. Without a handler the window is
    // simply unloaded; a window whose buttons do more than close it (go back, cancel
    // a request, leave the program) gives the close box the same meaning.
    std::function<void()> CloseBoxClick;

    bool Loaded() const { return loaded_; }

    // Run by the desktop when the window is loaded (first shown) and unloaded.
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    void MarkLoaded(bool loaded) { loaded_ = loaded; }

    // Centre on a screen of the given size, as most windows do in their load handler.
    void Centre(int screenWidth, int screenHeight);

private:
    void Adopt(std::unique_ptr<Control> control);
    std::vector<OptionButton*> OptionGroup(const Control* container) const;

    std::string name_;
    std::string caption_;
    std::vector<std::unique_ptr<Control>> controls_;
    bool loaded_ = false;
};

}  // namespace platform
