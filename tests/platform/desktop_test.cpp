#include <gtest/gtest.h>

#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"

namespace {

using platform::ScriptedDesktop;

// A window whose button unloads it and opens another window from inside its own
// handler, as the conversion windows' "&Cancelar" does.
struct Window : platform::Form {
    Window(ScriptedDesktop& desktop, std::string name, std::string next)
        : platform::Form(std::move(name), "caption"), button(Add<platform::CommandButton>("Command3")) {
        button.Click = [this, &desktop, next] {
            desktop.Unload(*this);
            if (!next.empty()) desktop.ShowModal(next);
        };
    }
    void Form_Load() override { ++loads; }
    platform::CommandButton& button;
    int loads = 0;
};

TEST(ScriptedDesktop, ModalWindowsNestAndReloadAfresh) {
    ScriptedDesktop desktop;
    desktop.Forms().Register("A", [&] { return std::make_unique<Window>(desktop, "A", "B"); });
    desktop.Forms().Register("B", [&] { return std::make_unique<Window>(desktop, "B", "A"); });

    std::vector<size_t> depth;
    Window* firstA = nullptr;
    desktop.QueueAction([&] {
        firstA = &desktop.Forms().Get<Window>("A");
        depth.push_back(desktop.ShownForms().size());
        firstA->button.UserClick();  // A -> B
    });
    desktop.QueueAction([&] {
        depth.push_back(desktop.ShownForms().size());
        desktop.Forms().Get<Window>("B").button.UserClick();  // B -> a new A
    });
    desktop.QueueAction([&] {
        auto& secondA = desktop.Forms().Get<Window>("A");
        EXPECT_NE(&secondA, firstA) << "an unloaded window loads afresh";
        EXPECT_EQ(secondA.loads, 1);
        EXPECT_EQ(desktop.ShownForms().back()->Name(), "A");
        desktop.End();
    });
    desktop.QueueAction([] { FAIL() << "nothing runs after the program ended"; });

    EXPECT_THROW(desktop.ShowModal("A"), platform::EndProgram);
    EXPECT_TRUE(desktop.Ended());
    EXPECT_EQ(depth, (std::vector<size_t>{1, 1}));
}

TEST(ScriptedDesktop, CloseBoxRunsItsHandlerOrUnloads) {
    ScriptedDesktop desktop;
    desktop.Forms().Register("A", [&] { return std::make_unique<Window>(desktop, "A", "B"); });
    desktop.Forms().Register("B", [&] { return std::make_unique<Window>(desktop, "B", ""); });
    std::vector<std::string> shown;
    desktop.QueueAction([&] {
        auto& a = desktop.Forms().Get<Window>("A");
        a.CloseBoxClick = [&a] { a.button.UserClick(); };
        desktop.UserClose(a);  // as its button: A -> B
    });
    desktop.QueueAction([&] {
        for (auto* form : desktop.ShownForms()) shown.push_back(form->Name());
        desktop.UserClose(desktop.Forms().Get("B"));  // no handler: unloaded
    });
    desktop.ShowModal("A");
    EXPECT_EQ(shown, (std::vector<std::string>{"B"}));
    EXPECT_TRUE(desktop.ShownForms().empty());
}

TEST(ScriptedDesktop, BoxesAreRecordedAndAnsweredInOrder) {
    ScriptedDesktop desktop;
    desktop.AnswerBox(platform::answer::No);
    EXPECT_EQ(desktop.MsgBox("¿Seguir?", platform::mb::YesNo + platform::mb::Question, "Aviso"), platform::answer::No);
    EXPECT_EQ(desktop.MsgBox("Hecho"), platform::answer::OK);
    EXPECT_EQ(desktop.MsgBox("¿Otra?", platform::mb::YesNoCancel), platform::answer::Yes);
    auto boxes = desktop.Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].style, 36);
    EXPECT_EQ(boxes[1].title, "Tarsel") << "a box without a title shows the application's";
    EXPECT_EQ(desktop.UnansweredQuestions(), 1);
}

TEST(ScriptedDesktop, DefaultAnswerIsTheFirstButton) {
    EXPECT_EQ(platform::DefaultAnswer(0), 1);
    EXPECT_EQ(platform::DefaultAnswer(1 + 16), 1);
    EXPECT_EQ(platform::DefaultAnswer(2), 3);
    EXPECT_EQ(platform::DefaultAnswer(3), 6);
    EXPECT_EQ(platform::DefaultAnswer(4 + 32), 6);
    EXPECT_EQ(platform::DefaultAnswer(5), 4);
}

TEST(ScriptedDesktop, FileDialogsTakeQueuedNamesAndReportClosing) {
    ScriptedDesktop desktop;
    platform::FileDialog dialog;
    dialog.DialogTitle = "Guardar como";
    dialog.FileName = "old";
    desktop.AnswerDialog("/tmp/SALIDA.TXT");
    desktop.AnswerDialogClosed();
    EXPECT_EQ(desktop.ShowSave(dialog), platform::DialogResult::Chosen);
    EXPECT_EQ(dialog.FileName, "/tmp/SALIDA.TXT");
    EXPECT_EQ(desktop.ShowOpen(dialog), platform::DialogResult::Closed);
    EXPECT_EQ(dialog.FileName, "");
    dialog.CancelError = true;
    EXPECT_EQ(desktop.ShowOpen(dialog), platform::DialogResult::Cancelled);
    EXPECT_EQ(desktop.Transcript().size(), 3u);
    EXPECT_EQ(desktop.Transcript()[0].dialog.DialogTitle, "Guardar como");
}

TEST(Settings, MissingKeysReadEmptyAndEmptyValuesExist) {
    platform::MemorySettingsStore store;
    EXPECT_EQ(store.GetSetting("tarsel", "INI", "formato"), "");
    EXPECT_FALSE(store.Exists("tarsel", "INI", "formato"));
    store.SaveSetting("tarsel", "INI", "formato", "");
    EXPECT_TRUE(store.Exists("tarsel", "INI", "formato"));
    store.SaveSetting("tarsel", "INI", "formato", " 1");
    EXPECT_EQ(store.GetSetting("tarsel", "INI", "formato"), " 1");
    EXPECT_EQ(store.GetSetting("otra", "INI", "formato"), "");
}

}  // namespace
