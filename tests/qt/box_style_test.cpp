#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QInputDialog>
#include <QMessageBox>

#include "platform/desktop.h"
#include "platform/qt/box_style.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/text.h"
#include "qt_app.h"

namespace {

using platform::qt::AnswerFor;
using platform::qt::BoxStyleFor;

struct StyleCase {
    int style;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton escape;
};

TEST(BoxStyle, IconAndButtonsFollowTheStyleNumber) {
    const StyleCase cases[] = {
        {0, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok},
        {16, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok},
        {32, QMessageBox::Question, QMessageBox::Ok, QMessageBox::Ok},
        {48, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok},
        {64, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok},
        {1, QMessageBox::NoIcon, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel},
        {2 + 16, QMessageBox::Critical, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore,
         QMessageBox::Abort},
        {3 + 32, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         QMessageBox::Cancel},
        {4 + 32, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No},
        {4 + 48, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::No},
        {5 + 64, QMessageBox::Information, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Cancel},
        // Bits beyond icon and buttons (default button, modality) change neither.
        {256 + 4 + 32, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No},
        {4096 + 16, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok},
        // Button codes 6 and 7 name no button set: a plain OK box.
        {6, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        auto look = BoxStyleFor(c.style);
        EXPECT_EQ(look.icon, c.icon);
        EXPECT_EQ(look.buttons, c.buttons);
        EXPECT_EQ(look.escape, c.escape);
    }
}

TEST(BoxStyle, EachButtonAnswersItsCode) {
    EXPECT_EQ(AnswerFor(QMessageBox::Ok), 1);
    EXPECT_EQ(AnswerFor(QMessageBox::Cancel), 2);
    EXPECT_EQ(AnswerFor(QMessageBox::Abort), 3);
    EXPECT_EQ(AnswerFor(QMessageBox::Retry), 4);
    EXPECT_EQ(AnswerFor(QMessageBox::Ignore), 5);
    EXPECT_EQ(AnswerFor(QMessageBox::Yes), 6);
    EXPECT_EQ(AnswerFor(QMessageBox::No), 7);
    EXPECT_EQ(AnswerFor(QMessageBox::Help), 0);
}

TEST(BoxText, CarriageReturnsBecomeLineBreaks) {
    using platform::qt::ToDisplayLines;
    EXPECT_EQ(ToDisplayLines("uno\r\ndos"), QStringLiteral("uno\ndos"));
    EXPECT_EQ(ToDisplayLines("uno\rdos\r"), QStringLiteral("uno\ndos\n"));
    EXPECT_EQ(ToDisplayLines("uno\r\r\ndos\n"), QStringLiteral("uno\n\ndos\n"));
    EXPECT_EQ(ToDisplayLines("Transformación"), QStringLiteral("Transformación"));
    EXPECT_EQ(platform::qt::ToModelLines(QStringLiteral("a\n\tb\n")), "a\r\n\tb\r\n");
}

// The real boxes, answered as a user would.
class Boxes : public ::testing::Test {
protected:
    QApplication& app = qt_testing::App();
    platform::qt::QtDesktop desktop;
};

TEST_F(Boxes, MessageBoxShowsTextTitleAndAnswersThePressedButton) {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qt_testing::OnNextModal([&](QWidget& window) {
        auto& box = dynamic_cast<QMessageBox&>(window);
        text = box.text();
        title = box.windowTitle();
        icon = box.icon();
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(desktop.MsgBox("¿Sobrescribir?\r\n<b>FICHERO.TXT</b>", 4 + 32, "Aviso"), platform::answer::No);
    EXPECT_EQ(text, QStringLiteral("¿Sobrescribir?\n<b>FICHERO.TXT</b>"));
    EXPECT_EQ(title, QStringLiteral("Aviso"));
    EXPECT_EQ(icon, QMessageBox::Question);
}

TEST_F(Boxes, MessageBoxWithoutTitleShowsTheProgramsTitle) {
    QString title;
    qt_testing::OnNextModal([&](QWidget& window) {
        title = window.windowTitle();
        static_cast<QMessageBox&>(window).button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(desktop.MsgBox("Hecho"), platform::answer::OK);
    EXPECT_EQ(title, QStringLiteral("Tarsel"));
}

TEST_F(Boxes, MessageBoxClosedWithoutAButtonGivesUp) {
    qt_testing::OnNextModal([](QWidget& window) { window.close(); });
    EXPECT_EQ(desktop.MsgBox("¿Seguir?", 3), platform::answer::Cancel);
}

TEST_F(Boxes, InputBoxReturnsTheTextOrNothingWhenCancelled) {
    QString prompt, shownDefault;
    qt_testing::OnNextModal([&](QWidget& window) {
        auto& input = dynamic_cast<QInputDialog&>(window);
        prompt = input.labelText();
        shownDefault = input.textValue();
        input.setTextValue(QStringLiteral("Eje 1"));
        input.accept();
    });
    EXPECT_EQ(desktop.InputBox("Comentario:\r\nlínea", "Comentario", "nada"), "Eje 1");
    EXPECT_EQ(prompt, QStringLiteral("Comentario:\nlínea"));
    EXPECT_EQ(shownDefault, QStringLiteral("nada"));

    qt_testing::OnNextModal([](QWidget& window) { static_cast<QDialog&>(window).reject(); });
    EXPECT_EQ(desktop.InputBox("Comentario:", "", "nada"), "");
}

}  // namespace
