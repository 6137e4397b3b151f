#pragma once
// The desktop of the program: every form drawn as a real window by FormView, real
// message boxes, input boxes and file dialogs, the user's screen and locale.

#include <QDialog>
#include <QTranslator>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/desktop.h"

namespace platform::qt {

class FormView;

class QtDesktop : public Desktop {
public:
    // onEnd runs when the program ends at once (End): it saves the settings.
    // A QApplication must exist for the whole life of the desktop.
    explicit QtDesktop(std::function<void()> onEnd = {});
    ~QtDesktop() override;
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;

    // The window of a form, built (once) and placed but not shown: for showing
    // and for looking at it. The form must outlive the desktop.
    QDialog* Render(Form& form);

    // Runs the event loop while any window is shown; returns when the last one
    // (the start-up window) is unloaded.
    int RunEventLoop();

    // Runs a handler on behalf of the event loop: a failure that escaped its window
    // is shown in a box instead of tearing down the loop.
    void RunGuarded(const std::function<void()>& action);

    int MsgBox(const std::string& text, int style = 0, const std::string& title = {}) override;
    std::string InputBox(const std::string& prompt, const std::string& title = {},
                         const std::string& defaultText = {}) override;
    DialogResult ShowOpen(FileDialog& dialog) override;
    DialogResult ShowSave(FileDialog& dialog) override;
    [[noreturn]] void End() override;
    void Beep() override;
    int ScreenWidth() const override;
    int ScreenHeight() const override;
    void DoEvents() override;
    char DecimalSeparator() const override;
    std::string DateText() const override;
    std::string TimeText() const override;

protected:
    void RunModal(Form& form) override;
    void RunModeless(Form& form) override;
    void Unloaded(Form& form) override;
    void PointerChanged(int pointer) override;

private:
    FormView* ViewFor(Form& form);
    // Keeps a new window above the one it was opened from.
    void StackAbove(FormView& view);
    // The window a box belongs to.
    QWidget* TopWindow() const;
    DialogResult RunFileDialog(FileDialog& dialog, bool save);

    std::unique_ptr<QTranslator> translator_;
    std::map<const Form*, FormView*> views_;
    std::function<void()> onEnd_;
    bool waitCursor_ = false;
    bool inEventLoop_ = false;
};

}  // namespace platform::qt
