#include <gtest/gtest.h>

#include "platform/form.h"

namespace {

using platform::CheckBox;
using platform::ComboBox;
using platform::Frame;
using platform::OptionButton;
using platform::TextBox;

struct TwoGroups : platform::Form {
    TwoGroups() : platform::Form("TwoGroups", "Two groups") {}
    Frame& f1 = Add<Frame>("Frame1");
    Frame& f2 = Add<Frame>("Frame2");
    OptionButton& a = Add<OptionButton>("A", "a", &f1);
    OptionButton& b = Add<OptionButton>("B", "b", &f1);
    OptionButton& c = Add<OptionButton>("C", "c", &f2);
    OptionButton& d = Add<OptionButton>("D", "d", &f2);
};

TEST(OptionButtons, CodeAndUserSelectionClearTheirGroupOnlyAndRunClick) {
    TwoGroups form;
    int clicksA = 0, clicksB = 0;
    form.a.Click = [&] { ++clicksA; };
    form.b.Click = [&] { ++clicksB; };

    form.c.SetValue(true);
    form.a.SetValue(true);
    EXPECT_EQ(clicksA, 1);
    EXPECT_TRUE(form.c.Value()) << "another container is another group";

    EXPECT_TRUE(form.b.UserClick());
    EXPECT_FALSE(form.a.Value());
    EXPECT_TRUE(form.b.Value());
    EXPECT_EQ(clicksB, 1);
    EXPECT_TRUE(form.c.Value());

    // Selecting the selected option again still runs its handler, as a click does.
    form.b.SetValue(true);
    EXPECT_EQ(clicksB, 2);
}

TEST(OptionButtons, ClickHandlerSeesTheNewSelectionOfTheWholeGroup) {
    TwoGroups form;
    form.a.SetValue(true);
    bool aSeenCleared = false;
    form.b.Click = [&] { aSeenCleared = !form.a.Value() && form.b.Value(); };
    form.b.SetValue(true);
    EXPECT_TRUE(aSeenCleared);
}

TEST(OptionButtons, NoneSelectedAndSelectedWhileDisabled) {
    TwoGroups form;
    form.a.SetValue(true);
    int clicks = 0;
    form.a.Click = [&] { ++clicks; };
    form.a.SetValue(false);
    EXPECT_FALSE(form.a.Value());
    EXPECT_FALSE(form.b.Value());
    EXPECT_EQ(clicks, 0) << "clearing an option is no click";

    form.b.SetEnabled(false);
    form.b.SetValue(true);
    EXPECT_TRUE(form.b.Value()) << "code may select a disabled option";
    form.a.SetEnabled(false);
    EXPECT_FALSE(form.a.UserClick()) << "the user cannot select a disabled option";
    EXPECT_TRUE(form.b.Value());
}

TEST(CheckBoxes, ValueChangeRunsClickFromCodeAndUser) {
    platform::Form form("F", "F");
    auto& check = form.Add<CheckBox>("Check1", "Nº Punto");
    int clicks = 0;
    check.Click = [&] { ++clicks; };
    check.SetValue(1);
    check.SetValue(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(check.UserClick());
    EXPECT_EQ(check.Value(), 0);
    EXPECT_EQ(clicks, 2);
}

TEST(TextBoxes, SettingADifferentTextRunsChange) {
    platform::Form form("F", "F");
    auto& text = form.Add<TextBox>("Text6");
    std::vector<std::string> seen;
    text.Change = [&] {
        seen.push_back(text.Text());
        // A handler that corrects the text runs Change once more, then settles.
        if (text.Text() == "7") text.SetText("3");
    };
    text.SetText("7");
    EXPECT_EQ(text.Text(), "3");
    EXPECT_EQ(seen, (std::vector<std::string>{"7", "3"}));
    text.SetText("3");
    EXPECT_EQ(seen.size(), 2u);
    text.SetLocked(true);
    EXPECT_FALSE(text.UserType("1"));
}

TEST(TextBoxes, ValidateCanKeepTheFocus) {
    platform::Form form("F", "F");
    auto& text = form.Add<TextBox>("Text1");
    text.Validate = [&](bool& cancel) { cancel = text.Text().empty(); };
    EXPECT_FALSE(text.UserLeave());
    text.SetText("12");
    EXPECT_TRUE(text.UserLeave());
}

TEST(Lists, ListIndexRunsClickAndDrivesTheText) {
    platform::Form form("F", "F");
    auto& combo = form.Add<ComboBox>("Combo1");
    int clicks = 0;
    combo.Click = [&] { ++clicks; };
    combo.AddItem("Estandar");
    combo.AddItem("DXF");
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.Text(), "");
    combo.SetListIndex(1);
    EXPECT_EQ(combo.Text(), "DXF");
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(combo.UserSelectText("Estandar"));
    EXPECT_EQ(combo.ListIndex(), 0);
    EXPECT_FALSE(combo.UserSelectText("Vial"));
    combo.SetList(0, "Otro");
    EXPECT_EQ(combo.Text(), "Otro");
    EXPECT_EQ(combo.ListCount(), 2);
    combo.RemoveItem(0);
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.List(0), "DXF");
    EXPECT_EQ(combo.List(5), "");
}

TEST(Forms, ChildrenFollowTheirContainerInOrder) {
    TwoGroups form;
    auto top = form.Children(nullptr);
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0]->Name(), "Frame1");
    auto inside = form.Children(&form.f2);
    ASSERT_EQ(inside.size(), 2u);
    EXPECT_EQ(inside[1]->Name(), "D");
    EXPECT_EQ(form.Find("C"), &form.c);
    EXPECT_EQ(form.Find("Z"), nullptr);
}

}  // namespace
