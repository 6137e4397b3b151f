#include "platform/scripted_desktop.h"

namespace platform {

ScriptedDesktop::ScriptedDesktop() = default;

int DefaultAnswer(int style) {
    switch (style & 7) {
    case mb::OKOnly:
    case mb::OKCancel: return answer::OK;
    case mb::AbortRetryIgnore: return answer::Abort;
    case mb::YesNoCancel:
    case mb::YesNo: return answer::Yes;
    case mb::RetryCancel: return answer::Retry;
    default: return answer::OK;
    }
}

void ScriptedDesktop::RunPendingActions() {
    while (!actions_.empty()) {
        auto action = std::move(actions_.front());
        actions_.pop_front();
        action();
    }
}

std::vector<ShownEvent> ScriptedDesktop::Boxes() const {
    std::vector<ShownEvent> boxes;
    for (const auto& event : transcript_) {
        if (event.kind == ShownEvent::Kind::Box) boxes.push_back(event);
    }
    return boxes;
}

int ScriptedDesktop::MsgBox(const std::string& text, int style, const std::string& title) {
    ShownEvent event{ShownEvent::Kind::Box, text, style, title.empty() ? std::string(kAppTitle) : title, {}, 0};
    if (!boxAnswers_.empty()) {
        event.answer = boxAnswers_.front();
        boxAnswers_.pop_front();
    } else {
        if ((style & 7) != mb::OKOnly) ++unanswered_;
        event.answer = DefaultAnswer(style);
    }
    transcript_.push_back(event);
    return event.answer;
}

std::string ScriptedDesktop::InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) {
    transcript_.push_back({ShownEvent::Kind::Input, prompt, 0, title.empty() ? std::string(kAppTitle) : title, {}, 0});
    if (inputAnswers_.empty()) {
        ++unanswered_;
        return defaultText;
    }
    auto answerText = std::move(inputAnswers_.front());
    inputAnswers_.pop_front();
    return answerText ? *answerText : std::string();
}

DialogResult ScriptedDesktop::RunDialog(ShownEvent::Kind kind, FileDialog& dialog) {
    ShownEvent event{kind, dialog.DialogTitle, dialog.Flags, {}, dialog, 0};
    transcript_.push_back(event);
    if (dialogAnswers_.empty()) {
        ++unanswered_;
        dialog.FileName.clear();
        return dialog.CancelError ? DialogResult::Cancelled : DialogResult::Closed;
    }
    DialogAnswer chosen = std::move(dialogAnswers_.front());
    dialogAnswers_.pop_front();
    if (chosen.result != DialogResult::Chosen) {
        dialog.FileName.clear();
        return dialog.CancelError ? DialogResult::Cancelled : DialogResult::Closed;
    }
    dialog.FileName = chosen.fileName;
    return DialogResult::Chosen;
}

DialogResult ScriptedDesktop::ShowOpen(FileDialog& dialog) { return RunDialog(ShownEvent::Kind::Open, dialog); }

DialogResult ScriptedDesktop::ShowSave(FileDialog& dialog) { return RunDialog(ShownEvent::Kind::Save, dialog); }

void ScriptedDesktop::End() {
    transcript_.push_back({ShownEvent::Kind::End, {}, 0, {}, {}, 0});
    ended_ = true;
    if (OnEnd) OnEnd();
    throw EndProgram{};
}

void ScriptedDesktop::Beep() { transcript_.push_back({ShownEvent::Kind::Beep, {}, 0, {}, {}, 0}); }

void ScriptedDesktop::RunModal(Form& form) {
    transcript_.push_back({ShownEvent::Kind::Show, form.Name(), 1, form.Caption(), {}, 0});
    while (form.Loaded() && !actions_.empty()) {
        auto action = std::move(actions_.front());
        actions_.pop_front();
        action();
    }
}

void ScriptedDesktop::RunModeless(Form& form) {
    transcript_.push_back({ShownEvent::Kind::Show, form.Name(), 0, form.Caption(), {}, 0});
}

void ScriptedDesktop::Unloaded(Form& form) {
    transcript_.push_back({ShownEvent::Kind::Unload, form.Name(), 0, {}, {}, 0});
}

}  // namespace platform
