#pragma once
// The services the windows and converters ask of the desktop: message and input
// boxes, file dialogs, modal windows, the mouse pointer and the regional settings.
// Two implementations: ScriptedDesktop for tests and the Qt desktop for the program.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/form.h"

namespace platform {

// Message box styles: icon plus buttons, as the windows write them.
namespace mb {
inline constexpr int OKOnly = 0;
inline constexpr int OKCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
}  // namespace mb

// Answer codes of a message box.
namespace answer {
inline constexpr int OK = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace answer

// Mouse pointers.
inline constexpr int kDefaultPointer = 0;
inline constexpr int kHourglass = 11;

// The common file dialog: the caller fills the request, the desktop fills FileName.
struct FileDialog {
    std::string DialogTitle;
    std::string FileName;      // chosen file; "" when closed without one
    std::string InitDir;       // initial folder
    std::string Filter;        // "description|pattern|description|pattern..."
    int FilterIndex = 1;
    std::string DefaultExt;    // without the dot
    int Flags = 0;             // 2 ask before overwriting, 4 hide read-only, 0x400 extension differs
    bool CancelError = false;  // when set, a cancelled dialog reports Cancelled instead of ""
};

inline constexpr int kOverwritePrompt = 2;

enum class DialogResult { Chosen, Closed, Cancelled };

// Thrown by Desktop::End to leave every modal level at once. Deliberately not a
// std::exception: handlers that catch conversion failures must let it through.
struct EndProgram {};

class FormRegistry {
public:
    using Factory = std::function<std::unique_ptr<Form>()>;
    void Register(const std::string& name, Factory factory);
    bool Has(const std::string& name) const { return factories_.count(name) != 0; }
    // The loaded (or last created and not yet unloaded) instance, or a new one.
    Form& Get(const std::string& name);
    template <class F>
    F& Get(const std::string& name) {
        return dynamic_cast<F&>(Get(name));
    }
    // After an unload the next Get builds a fresh window. The old object stays alive
    // until the registry ends, since its own handler may still be running.
    void Retire(Form& form);

private:
    std::map<std::string, Factory> factories_;
    std::map<std::string, std::unique_ptr<Form>> live_;
    std::vector<std::unique_ptr<Form>> retired_;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    FormRegistry& Forms() { return forms_; }

    // Loads the window when needed and returns when it is unloaded (or, for the
    // scripted desktop, when the script has no more steps).
    void ShowModal(Form& form);
    void ShowModal(const std::string& name) { ShowModal(forms_.Get(name)); }
    // Shows a window without waiting (the start-up window).
    void Show(Form& form);
    void Unload(Form& form);
    // The user closes a shown window from its title bar: its CloseBoxClick, or an unload.
    void UserClose(Form& form);
    // Windows currently shown, outermost first.
    const std::vector<Form*>& ShownForms() const { return shown_; }

    virtual int MsgBox(const std::string& text, int style = 0, const std::string& title = {}) = 0;
    // Returns the typed text; "" when cancelled.
    virtual std::string InputBox(const std::string& prompt, const std::string& title = {},
                                 const std::string& defaultText = {}) = 0;
    virtual DialogResult ShowOpen(FileDialog& dialog) = 0;
    virtual DialogResult ShowSave(FileDialog& dialog) = 0;

    // Ends the program at once from any depth (the settings are saved first).
    [[noreturn]] virtual void End() = 0;

    void SetMousePointer(int pointer) {
        pointer_ = pointer;
        PointerChanged(pointer);
    }
    int MousePointer() const { return pointer_; }

    virtual void Beep() = 0;
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
    // Lets the windows repaint during a long job.
    virtual void DoEvents() = 0;
    // The user's regional decimal separator: '.' or ','.
    virtual char DecimalSeparator() const = 0;
    // Current date and time in the user's regional short forms.
    virtual std::string DateText() const = 0;
    virtual std::string TimeText() const = 0;
    // The title a box without a title of its own shows.
    static constexpr const char* kAppTitle = "Tarsel";

protected:
    virtual void RunModal(Form& form) = 0;
    virtual void RunModeless(Form& form) = 0;
    virtual void Unloaded(Form& form) = 0;
    virtual void PointerChanged(int) {}

private:
    FormRegistry forms_;
    std::vector<Form*> shown_;
    int pointer_ = kDefaultPointer;
};

}  // namespace platform
