#pragma once
// The desktop of the tests: the user's actions and answers are queued in advance,
// and every box, dialog and window shown is written down in a transcript.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace platform {

struct ShownEvent {
    enum class Kind { Box, Input, Open, Save, Show, Unload, Beep, End };
    Kind kind;
    std::string text;   // box text, input prompt, dialog title or window name
    int style = 0;      // box style; dialog flags
    std::string title;  // box or input title
    FileDialog dialog;  // the request of a file dialog, as it was shown
    int answer = 0;     // the box's answer code
};

class ScriptedDesktop : public Desktop {
public:
    ScriptedDesktop();

    // A user action, run inside the innermost modal window when its turn comes.
    void QueueAction(std::function<void()> action) { actions_.push_back(std::move(action)); }
    bool HasActions() const { return !actions_.empty(); }
    // Runs queued actions until none are left (used when no window is modal).
    void RunPendingActions();

    // Answers for what will be asked, in order of asking.
    void AnswerBox(int code) { boxAnswers_.push_back(code); }
    void AnswerInput(std::optional<std::string> text) { inputAnswers_.push_back(std::move(text)); }
    void AnswerDialog(std::string fileName) { dialogAnswers_.push_back({DialogResult::Chosen, std::move(fileName)}); }
    void AnswerDialogClosed() { dialogAnswers_.push_back({DialogResult::Closed, {}}); }

    const std::vector<ShownEvent>& Transcript() const { return transcript_; }
    void ClearTranscript() { transcript_.clear(); }
    // The boxes shown, in order.
    std::vector<ShownEvent> Boxes() const;
    int UnansweredQuestions() const { return unanswered_; }

    void SetDecimalSeparator(char sep) { decimal_ = sep; }
    void SetDateTime(std::string date, std::string time) {
        date_ = std::move(date);
        time_ = std::move(time);
    }
    bool Ended() const { return ended_; }

    int MsgBox(const std::string& text, int style = 0, const std::string& title = {}) override;
    std::string InputBox(const std::string& prompt, const std::string& title = {},
                         const std::string& defaultText = {}) override;
    DialogResult ShowOpen(FileDialog& dialog) override;
    DialogResult ShowSave(FileDialog& dialog) override;
    [[noreturn]] void End() override;
    void Beep() override;
    int ScreenWidth() const override { return 1024; }
    int ScreenHeight() const override { return 768; }
    void DoEvents() override {}
    char DecimalSeparator() const override { return decimal_; }
    std::string DateText() const override { return date_; }
    std::string TimeText() const override { return time_; }

    // Run when End is called, before it unwinds (the program saves its settings here).
    std::function<void()> OnEnd;

protected:
    void RunModal(Form& form) override;
    void RunModeless(Form& form) override;
    void Unloaded(Form& form) override;

private:
    DialogResult RunDialog(ShownEvent::Kind kind, FileDialog& dialog);
    struct DialogAnswer {
        DialogResult result;
        std::string fileName;
    };
    std::deque<std::function<void()>> actions_;
    std::deque<int> boxAnswers_;
    std::deque<std::optional<std::string>> inputAnswers_;
    std::deque<DialogAnswer> dialogAnswers_;
    std::vector<ShownEvent> transcript_;
    int unanswered_ = 0;
    char decimal_ = '.';
    std::string date_ = "07/12/2026";
    std::string time_ = "10:30:00";
    bool ended_ = false;
};

// The answer a box gives when the user presses its first button.
int DefaultAnswer(int style);

}  // namespace platform
