#include "runner/scenario.h"

#include <cstdio>
#include <filesystem>
#include <iterator>
#include <map>
#include <sstream>

#include "app/context.h"
#include "app/register_forms.h"
#include "common/file_names.h"
#include "common/numbers.h"
#include "platform/file_system.h"
#include "platform/scripted_desktop.h"
#include "platform/files.h"
#include "support/files.h"

namespace scenario {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::vector<std::string> SplitWords(const std::string& line, int lineNo) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        if (line[i] == '"') {
            std::string raw;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == '\\' && i + 1 < line.size()) {
                    raw += line[i];
                    raw += line[i + 1];
                    i += 2;
                    continue;
                }
                if (line[i] == '"') {
                    closed = true;
                    ++i;
                    break;
                }
                raw += line[i++];
            }
            if (!closed) throw Failure{lineNo, "unclosed quote"};
            words.push_back(Unescape(raw, lineNo));
        } else {
            size_t start = i;
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
            words.push_back(line.substr(start, i - start));
        }
    }
    return words;
}

std::string FromHex(const std::string& hex, int line) {
    std::string bytes;
    int pending = -1;
    for (char c : hex) {
        if (c == ' ') continue;
        int d = HexDigit(c);
        if (d < 0) throw Failure{line, "bad hex digit"};
        if (pending < 0) {
            pending = d;
        } else {
            bytes += static_cast<char>(pending * 16 + d);
            pending = -1;
        }
    }
    if (pending >= 0) throw Failure{line, "odd number of hex digits"};
    return bytes;
}

std::string Join(const std::vector<std::string>& args, size_t from) {
    std::string joined;
    for (size_t i = from; i < args.size(); ++i) joined += args[i];
    return joined;
}

class Runner {
public:
    explicit Runner(const std::string& workDir) : workDir_(workDir), ctx_{desktop_, store_, state_} {
        app::RegisterForms(ctx_);
    }

    int Run(const std::vector<Step>& steps) {
        size_t i = 0;
        for (; i < steps.size(); ++i) {
            if (steps[i].verb == "start") break;
            Execute(Expand(steps[i]));
        }
        if (i < steps.size()) {
            for (size_t j = i + 1; j < steps.size(); ++j) {
                const Step step = Expand(steps[j]);
                desktop_.QueueAction([this, step] { Execute(step); });
            }
            try {
                app::Start(ctx_);
            } catch (const platform::EndProgram&) {
            }
            while (desktop_.HasActions()) {
                try {
                    desktop_.RunPendingActions();
                } catch (const platform::EndProgram&) {
                }
            }
        }
        return checks_;
    }

private:
    Step Expand(Step step) const {
        const std::string upperDir = UpperFileName(workDir_);
        for (auto& arg : step.args) {
            for (size_t at = arg.find("$UDIR"); at != std::string::npos; at = arg.find("$UDIR", at)) {
                arg.replace(at, 5, upperDir);
                at += upperDir.size();
                NativeSeparators(arg, at);
            }
            for (size_t at = arg.find("$DIR"); at != std::string::npos; at = arg.find("$DIR", at)) {
                arg.replace(at, 4, workDir_);
                at += workDir_.size();
                NativeSeparators(arg, at);
            }
            const std::string home = platform::HomeFolder();
            for (size_t at = arg.find("$HOME"); at != std::string::npos; at = arg.find("$HOME", at)) {
                arg.replace(at, 5, home);
                at += home.size();
            }
            const std::string realdata = TARSEL_REALDATA;
            for (size_t at = arg.find("$REALDATA"); at != std::string::npos; at = arg.find("$REALDATA", at)) {
                arg.replace(at, 9, realdata);
                at += realdata.size();
            }
            const std::string tests = TARSEL_TEST_DATA;
            for (size_t at = arg.find("$TESTS"); at != std::string::npos; at = arg.find("$TESTS", at)) {
                arg.replace(at, 6, tests);
                at += tests.size();
            }
        }
        return step;
    }

    // A scenario writes the names under its work folder with "/" on every system. On
    // Windows the rest of such a name (up to a control character or a quote) takes "\"
    // instead, as the file dialogs there give names and as the program itself joins a
    // folder and a name, so that the same expectations hold on both.
    static void NativeSeparators([[maybe_unused]] std::string& arg, [[maybe_unused]] size_t from) {
#ifdef _WIN32
        for (; from < arg.size() && static_cast<unsigned char>(arg[from]) >= 0x20 && arg[from] != '"'; ++from) {
            if (arg[from] == '/') arg[from] = '\\';
        }
#endif
    }

    [[noreturn]] void Fail(const Step& step, const std::string& message) const { throw Failure{step.line, message}; }

    void Need(const Step& step, size_t count) const {
        if (step.args.size() < count) Fail(step, "'" + step.verb + "' needs " + std::to_string(count) + " arguments");
    }

    platform::Form& ShownForm(const Step& step, const std::string& name) const {
        const auto& shown = desktop_.ShownForms();
        for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
            if ((*it)->Name() == name) return **it;
        }
        Fail(step, "window " + name + " is not open");
    }

    platform::Control& ControlOf(const Step& step, const std::string& path) const {
        size_t dot = path.find('.');
        if (dot == std::string::npos) Fail(step, "expected Window.Control, got " + path);
        platform::Form& form = ShownForm(step, path.substr(0, dot));
        platform::Control* control = form.Find(path.substr(dot + 1));
        if (!control) Fail(step, "window " + form.Name() + " has no control " + path.substr(dot + 1));
        return *control;
    }

    template <class C>
    C& As(const Step& step, platform::Control& control) const {
        auto* typed = dynamic_cast<C*>(&control);
        if (!typed) Fail(step, control.Name() + " is a " + platform::KindName(control.Kind()));
        return *typed;
    }

    void Check(const Step& step, bool ok, const std::string& what, const std::string& expected,
               const std::string& actual) {
        if (!ok) Fail(step, what + ": expected \"" + Escape(expected) + "\", got \"" + Escape(actual) + "\"");
        ++checks_;
    }

    // A relative name inside the work folder; a name from a root ("C:\x", "/x") as it is.
    std::string Path(const std::string& name) const {
        const std::filesystem::path path = platform::PathOf(name);
        if (path.is_absolute() || path.has_root_directory()) return name;
        return platform::NameOf(platform::PathOf(workDir_) / path);
    }

    // Whether the folder holds a file of exactly this name, letter case included, also
    // where the file system ignores case (a name in another case is another file here).
    static bool HasFileNamed(const std::string& name) {
        const std::filesystem::path path = platform::PathOf(name);
        std::error_code error;
        for (std::filesystem::directory_iterator it(path.parent_path(), error), end; !error && it != end;
             it.increment(error)) {
            if (it->path().filename() == path.filename()) return true;
        }
        return false;
    }

    void Execute(const Step& step) {
        const auto& a = step.args;
        const std::string& v = step.verb;
        if (v == "setting") {
            Need(step, 3);
            store_.SaveSetting(platform::kApp, a[0], a[1], a[2]);
        } else if (v == "separator") {
            Need(step, 1);
            desktop_.SetDecimalSeparator(a[0].empty() ? '.' : a[0][0]);
        } else if (v == "file") {
            Need(step, 1);
            // A name with folders makes them: outputs that are folders need some to choose.
            std::filesystem::create_directories(platform::PathOf(Path(a[0])).parent_path());
            testing_support::WriteBytes(Path(a[0]), Join(a, 1));
        } else if (v == "copy") {
            Need(step, 2);
            testing_support::WriteBytes(Path(a[1]), testing_support::ReadBytes(Path(a[0])));
        } else if (v == "filehex") {
            Need(step, 1);
            testing_support::WriteBytes(Path(a[0]), FromHex(Join(a, 1), step.line));
        } else if (v == "start") {
            Fail(step, "the program is already started");
        } else if (v == "press") {
            Need(step, 1);
            Press(step, ControlOf(step, a[0]));
        } else if (v == "invoke") {
            Need(step, 1);
            platform::Control& control = ControlOf(step, a[0]);
            if (control.Click) control.Click();
        } else if (v == "select") {
            Need(step, 2);
            auto& list = As<platform::ListControl>(step, ControlOf(step, a[0]));
            if (!list.UserSelectText(a[1])) Fail(step, "cannot select \"" + a[1] + "\" in " + a[0]);
        } else if (v == "selectindex") {
            Need(step, 2);
            auto& list = As<platform::ListControl>(step, ControlOf(step, a[0]));
            if (!list.UserSelect(std::stoi(a[1]))) Fail(step, "cannot select entry " + a[1] + " of " + a[0]);
        } else if (v == "type") {
            Need(step, 2);
            auto& box = As<platform::TextBox>(step, ControlOf(step, a[0]));
            if (!box.UserType(a[1])) Fail(step, a[0] + " takes no input");
        } else if (v == "leave") {
            Need(step, 1);
            lastLeaveKept_ = !ControlOf(step, a[0]).UserLeave();
        } else if (v == "hover") {
            Need(step, 1);
            if (a[0].find('.') == std::string::npos) {
                platform::Form& form = ShownForm(step, a[0]);
                if (form.MouseMove) form.MouseMove();
            } else {
                ControlOf(step, a[0]).UserMouseMove();
            }
        } else if (v == "close") {
            Need(step, 1);
            desktop_.UserClose(ShownForm(step, a[0]));
        } else if (v == "answer") {
            Answer(step);
        } else if (v == "expect") {
            Expect(step);
        } else {
            Fail(step, "unknown verb '" + v + "'");
        }
    }

    void Press(const Step& step, platform::Control& control) {
        bool done = false;
        switch (control.Kind()) {
        case platform::ControlKind::CommandButton: done = As<platform::CommandButton>(step, control).UserClick(); break;
        case platform::ControlKind::OptionButton: done = As<platform::OptionButton>(step, control).UserClick(); break;
        case platform::ControlKind::CheckBox: done = As<platform::CheckBox>(step, control).UserClick(); break;
        default: Fail(step, control.Name() + " cannot be pressed");
        }
        if (!done) Fail(step, control.Name() + " cannot be pressed now (disabled or hidden)");
    }

    void Answer(const Step& step) {
        const auto& a = step.args;
        Need(step, 1);
        if (a[0] == "box") {
            Need(step, 2);
            desktop_.AnswerBox(std::stoi(a[1]));
        } else if (a[0] == "input") {
            Need(step, 2);
            if (a.size() == 2 && a[1] == "cancel") {
                desktop_.AnswerInput(std::nullopt);
            } else {
                desktop_.AnswerInput(a[1]);
            }
        } else if (a[0] == "open" || a[0] == "save") {
            Need(step, 2);
            desktop_.AnswerDialog(a[1]);
        } else if (a[0] == "dialog") {
            desktop_.AnswerDialogClosed();
        } else {
            Fail(step, "unknown answer '" + a[0] + "'");
        }
    }

    void Expect(const Step& step) {
        const auto& a = step.args;
        Need(step, 1);
        const std::string& what = a[0];
        const auto& transcript = desktop_.Transcript();
        if (what == "box") {
            Need(step, 4);
            while (boxCursor_ < transcript.size() && transcript[boxCursor_].kind != platform::ShownEvent::Kind::Box) {
                ++boxCursor_;
            }
            if (boxCursor_ >= transcript.size()) Fail(step, "no box was shown (expected \"" + Escape(a[3]) + "\")");
            const auto& box = transcript[boxCursor_++];
            Check(step, box.text == a[3], "box text", a[3], box.text);
            Check(step, box.title == a[2], "box title", a[2], box.title);
            Check(step, box.style == std::stoi(a[1]), "box style", a[1], std::to_string(box.style));
        } else if (what == "nobox") {
            for (size_t i = boxCursor_; i < transcript.size(); ++i) {
                if (transcript[i].kind == platform::ShownEvent::Kind::Box) {
                    Fail(step, "unexpected box \"" + Escape(transcript[i].text) + "\" titled \"" + transcript[i].title + "\"");
                }
            }
            boxCursor_ = transcript.size();
            ++checks_;
        } else if (what == "shown") {
            Need(step, 2);
            const auto& shown = desktop_.ShownForms();
            std::string top = shown.empty() ? std::string("(none)") : shown.back()->Name();
            Check(step, top == a[1], "innermost window", a[1], top);
        } else if (what == "notshown") {
            Need(step, 2);
            for (auto* form : desktop_.ShownForms()) {
                if (form->Name() == a[1]) Fail(step, "window " + a[1] + " is open");
            }
            ++checks_;
        } else if (what == "caption" || what == "text") {
            Need(step, 3);
            if (a[1].find('.') == std::string::npos) {
                platform::Form& form = ShownForm(step, a[1]);
                Check(step, form.Caption() == a[2], a[1] + " caption", a[2], form.Caption());
            } else {
                platform::Control& control = ControlOf(step, a[1]);
                Check(step, control.Caption() == a[2], a[1] + " " + what, a[2], control.Caption());
            }
        } else if (what == "value") {
            Need(step, 3);
            platform::Control& control = ControlOf(step, a[1]);
            int value = 0;
            if (auto* option = dynamic_cast<platform::OptionButton*>(&control)) {
                value = option->Value() ? 1 : 0;
            } else if (auto* check = dynamic_cast<platform::CheckBox*>(&control)) {
                value = check->Value();
            } else if (auto* list = dynamic_cast<platform::ListControl*>(&control)) {
                value = list->ListIndex();
            } else {
                Fail(step, a[1] + " has no value");
            }
            Check(step, value == std::stoi(a[2]), a[1] + " value", a[2], std::to_string(value));
        } else if (what == "enabled" || what == "visible") {
            Need(step, 3);
            platform::Control& control = ControlOf(step, a[1]);
            bool on = what == "enabled" ? control.Enabled() : control.Visible();
            Check(step, on == (a[2] == "1"), a[1] + " " + what, a[2], on ? "1" : "0");
        } else if (what == "list") {
            Need(step, 2);
            auto& list = As<platform::ListControl>(step, ControlOf(step, a[1]));
            std::vector<std::string> expected(a.begin() + 2, a.end());
            std::string expectedText, actualText;
            for (const auto& s : expected) expectedText += "[" + s + "]";
            for (const auto& s : list.Items()) actualText += "[" + s + "]";
            Check(step, expected == list.Items(), a[1] + " entries", expectedText, actualText);
        } else if (what == "listcount") {
            Need(step, 3);
            auto& list = As<platform::ListControl>(step, ControlOf(step, a[1]));
            Check(step, list.ListCount() == std::stoi(a[2]), a[1] + " entry count", a[2],
                  std::to_string(list.ListCount()));
        } else if (what == "setting") {
            Need(step, 4);
            if (!store_.Exists(platform::kApp, a[1], a[2])) Fail(step, "setting " + a[1] + "/" + a[2] + " does not exist");
            std::string value = store_.GetSetting(platform::kApp, a[1], a[2]);
            Check(step, value == a[3], "setting " + a[1] + "/" + a[2], a[3], value);
        } else if (what == "nosetting") {
            Need(step, 3);
            if (store_.Exists(platform::kApp, a[1], a[2])) Fail(step, "setting " + a[1] + "/" + a[2] + " exists");
            ++checks_;
        } else if (what == "file" || what == "filehex") {
            Need(step, 2);
            std::string path = Path(a[1]);
            if (!platform::FileExists(path)) Fail(step, "file " + a[1] + " does not exist");
            std::string actual = testing_support::ReadBytes(path);
            std::string expected = what == "file" ? Join(a, 2) : FromHex(Join(a, 2), step.line);
            if (actual != expected) {
                size_t at = 0;
                while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
                Fail(step, "file " + a[1] + " differs at byte " + std::to_string(at) + ": expected \"" +
                               Escape(expected.substr(at, 40)) + "\", got \"" + Escape(actual.substr(at, 40)) + "\"");
            }
            ++checks_;
        } else if (what == "sameas") {
            Need(step, 3);
            if (!platform::FileExists(Path(a[1]))) Fail(step, "file " + a[1] + " does not exist");
            std::string actual = testing_support::ReadBytes(Path(a[1]));
            std::string expected = testing_support::ReadBytes(Path(a[2]));
            if (actual != expected) {
                size_t at = 0;
                while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
                Fail(step, "file " + a[1] + " differs from " + a[2] + " at byte " + std::to_string(at) +
                               ": expected \"" + Escape(expected.substr(at, 40)) + "\", got \"" +
                               Escape(actual.substr(at, 40)) + "\"");
            }
            ++checks_;
        } else if (what == "nofile") {
            Need(step, 2);
            if (HasFileNamed(Path(a[1]))) Fail(step, "file " + a[1] + " exists");
            ++checks_;
        } else if (what == "dialog") {
            ExpectDialog(step);
        } else if (what == "ended") {
            if (!desktop_.Ended()) Fail(step, "the program has not ended");
            ++checks_;
        } else if (what == "pointer") {
            Need(step, 2);
            Check(step, desktop_.MousePointer() == std::stoi(a[1]), "mouse pointer", a[1],
                  std::to_string(desktop_.MousePointer()));
        } else if (what == "state") {
            Need(step, 3);
            std::string actual = StateValue(step, a[1]);
            Check(step, actual == a[2], "state " + a[1], a[2], actual);
        } else if (what == "kept") {
            Need(step, 2);
            Check(step, lastLeaveKept_ == (a[1] == "1"), "focus kept", a[1], lastLeaveKept_ ? "1" : "0");
        } else if (what == "beep") {
            bool beeped = false;
            for (const auto& event : transcript) beeped |= event.kind == platform::ShownEvent::Kind::Beep;
            Check(step, beeped, "beep", "a beep", "none");
        } else {
            Fail(step, "unknown expectation '" + what + "'");
        }
    }

    void ExpectDialog(const Step& step) {
        const auto& a = step.args;
        const platform::ShownEvent* last = nullptr;
        for (const auto& event : desktop_.Transcript()) {
            if (event.kind == platform::ShownEvent::Kind::Open || event.kind == platform::ShownEvent::Kind::Save) {
                last = &event;
            }
        }
        if (!last) Fail(step, "no file dialog was shown");
        size_t i = 1;
        if (i < a.size() && (a[i] == "open" || a[i] == "save")) {
            bool isOpen = last->kind == platform::ShownEvent::Kind::Open;
            Check(step, isOpen == (a[i] == "open"), "dialog kind", a[i], isOpen ? "open" : "save");
            ++i;
        }
        for (; i + 1 < a.size(); i += 2) {
            const std::string& key = a[i];
            const std::string& expected = a[i + 1];
            const platform::FileDialog& d = last->dialog;
            std::string actual;
            if (key == "title") actual = d.DialogTitle;
            else if (key == "filter") actual = d.Filter;
            else if (key == "ext") actual = d.DefaultExt;
            else if (key == "initdir") actual = d.InitDir;
            else if (key == "flags") actual = std::to_string(d.Flags);
            else if (key == "index") actual = std::to_string(d.FilterIndex);
            else Fail(step, "unknown dialog field '" + key + "'");
            Check(step, actual == expected, "dialog " + key, expected, actual);
        }
    }

    std::string StateValue(const Step& step, const std::string& name) const {
        const State& s = state_;
        const std::map<std::string, std::string> values = {
            {"InFile", s.InFile},
            {"OutFile", s.OutFile},
            {"FormatoCampo", std::to_string(s.FormatoCampo)},
            {"Transformacion", std::to_string(s.Transformacion)},
            {"ErrorFichero", std::to_string(s.ErrorFichero)},
            {"ModoFiltro", std::to_string(s.ModoFiltro)},
            {"NumFiltrosEstandar", std::to_string(s.NumFiltrosEstandar)},
            {"NumFiltrosUsuario", std::to_string(s.NumFiltrosUsuario)},
            {"CancelarDXF", std::to_string(s.CancelarDXF)},
            {"OutFile2", s.OutFile2},
            {"AlzadoFile", s.AlzadoFile},
            {"AsignacionFile", s.AsignacionFile},
            {"KtwFormat", s.KtwFormat},
            {"AnchoPalabra", std::to_string(s.AnchoPalabra)},
            {"RestarConstante", s.RestarConstante},
            {"Dimensiones", s.Dimensiones},
            {"ConstanteX", Num::StrTrim(s.ConstanteX)},
            {"ConstanteY", Num::StrTrim(s.ConstanteY)},
        };
        auto found = values.find(name);
        if (found == values.end()) Fail(step, "unknown state variable " + name);
        return found->second;
    }

    std::string workDir_;
    platform::ScriptedDesktop desktop_;
    platform::MemorySettingsStore store_;
    State state_;
    Context ctx_;
    size_t boxCursor_ = 0;
    int checks_ = 0;
    bool lastLeaveKept_ = false;
};

}  // namespace

std::string Unescape(const std::string& text, int line) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i >= text.size()) throw Failure{line, "escape at end of text"};
        switch (text[i]) {
        case 'r': out += '\r'; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case '\\': out += '\\'; break;
        case '"': out += '"'; break;
        case 'x': {
            int hi = i + 1 < text.size() ? HexDigit(text[i + 1]) : -1;
            int lo = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
            if (hi < 0 || lo < 0) throw Failure{line, "bad \\x escape"};
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
            break;
        }
        default: throw Failure{line, std::string("unknown escape \\") + text[i]};
        }
    }
    return out;
}

std::string Escape(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        switch (c) {
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        default:
            if (c < 0x20 || c == 0x7f) {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02X", c);
                out += hex;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out;
}

std::vector<Step> Parse(const std::string& text) {
    std::vector<Step> steps;
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') continue;
        auto words = SplitWords(line, lineNo);
        if (words.empty()) continue;
        Step step;
        step.line = lineNo;
        step.verb = words[0];
        step.args.assign(words.begin() + 1, words.end());
        steps.push_back(std::move(step));
    }
    return steps;
}

int Run(const std::vector<Step>& steps, const std::string& workDir) {
    Runner runner(workDir);
    return runner.Run(steps);
}

}  // namespace scenario
