#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/qt/eliding_label.h"
#include "platform/qt/qt_desktop.h"
#include "qt_app.h"

namespace {

using namespace platform;

// A window with one control of every kind, the way the program's windows are made.
class Sample : public Form {
public:
    Sample()
        : Form("Sample", "Ventana de &prueba"),
          Frame1(Add<Frame>("Frame1", "Tipo de archivo:")),
          Option1(Add<OptionButton>("Option1", "Fichero de puntos", &Frame1)),
          Option2(Add<OptionButton>("Option2", "Fichero de bases", &Frame1)),
          Check1(Add<CheckBox>("Check1", "Capa &activa")),
          Label1(Add<Label>("Label1", "Nombre:")),
          Text1(Add<TextBox>("Text1", "inicial")),
          Combo1(Add<ComboBox>("Combo1")),
          List1(Add<ListBox>("List1")),
          Notes(Add<TextBox>("Notes")),
          Command1(Add<CommandButton>("Command1", "&Aceptar")),
          Command2(Add<CommandButton>("Command2", "Oculto")) {
        Notes.SetMultiLine(true);
        Notes.SetText("uno\r\ndos");
        Command2.SetVisible(false);
        Combo1.AddItem("Estandar");
        Combo1.AddItem("DXF");
        List1.AddItem("a");
        List1.AddItem("b");
        Option1.Click = [this] { log.push_back("Option1_Click"); };
        Option2.Click = [this] { log.push_back("Option2_Click"); };
        Check1.Click = [this] { log.push_back("Check1_Click"); };
        Text1.Change = [this] { log.push_back("Text1_Change " + Text1.Text()); };
        Combo1.Click = [this] { log.push_back("Combo1_Click " + Combo1.Text()); };
        List1.Click = [this] { log.push_back("List1_Click " + List1.Text()); };
        Command1.Click = [this] { log.push_back("Command1_Click"); };
        Command1.MouseMove = [this] { log.push_back("Command1_MouseMove"); };
        Frame1.MouseMove = [this] { log.push_back("Frame1_MouseMove"); };
        MouseMove = [this] { log.push_back("Form_MouseMove"); };
    }
    void Form_Unload() override { log.push_back("Form_Unload"); }

    Frame& Frame1;
    OptionButton& Option1;
    OptionButton& Option2;
    CheckBox& Check1;
    Label& Label1;
    TextBox& Text1;
    ComboBox& Combo1;
    ListBox& List1;
    TextBox& Notes;
    CommandButton& Command1;
    CommandButton& Command2;
    std::vector<std::string> log;
};

class Rendering : public ::testing::Test {
protected:
    Rendering() {
        dialog = desktop.Render(form);
        dialog->show();
        QApplication::processEvents();
        // Showing may already have told the window that the mouse is over it.
        form.log.clear();
    }
    template <class W>
    W* Widget(const char* name) {
        auto* widget = dialog->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void MoveMouse(QWidget* target, QPoint local) {
        QMouseEvent move(QEvent::MouseMove, QPointF(local), target->mapToGlobal(QPointF(local)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }

    QApplication& app = qt_testing::App();
    Sample form;  // before the desktop, which must go first
    qt::QtDesktop desktop;
    QDialog* dialog = nullptr;
};

TEST_F(Rendering, ControlsBecomeWidgetsOfTheirKindInsideTheirContainer) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Ventana de &prueba"));
    auto* frame = Widget<QGroupBox>("Frame1");
    EXPECT_EQ(frame->title(), QStringLiteral("Tipo de archivo:"));
    auto* option = Widget<QRadioButton>("Option1");
    EXPECT_EQ(option->parentWidget(), frame);
    EXPECT_EQ(option->text(), QStringLiteral("Fichero de puntos"));
    EXPECT_EQ(Widget<QCheckBox>("Check1")->text(), QStringLiteral("Capa &activa"));
    EXPECT_EQ(Widget<QLabel>("Label1")->text(), QStringLiteral("Nombre:"));
    EXPECT_EQ(Widget<QLineEdit>("Text1")->text(), QStringLiteral("inicial"));
    EXPECT_EQ(Widget<QComboBox>("Combo1")->count(), 2);
    EXPECT_EQ(Widget<QComboBox>("Combo1")->currentIndex(), -1);
    EXPECT_EQ(Widget<QListWidget>("List1")->count(), 2);
    EXPECT_EQ(Widget<QPlainTextEdit>("Notes")->toPlainText(), QStringLiteral("uno\ndos"));
    EXPECT_TRUE(Widget<QPushButton>("Command1")->isVisible());
    EXPECT_FALSE(Widget<QPushButton>("Command2")->isVisible());
}

TEST_F(Rendering, ModelChangesShowInTheWidgets) {
    auto* option1 = Widget<QRadioButton>("Option1");
    auto* option2 = Widget<QRadioButton>("Option2");
    form.Option2.SetValue(true);
    EXPECT_FALSE(option1->isChecked());
    EXPECT_TRUE(option2->isChecked());
    form.Option2.SetValue(false);  // none selected
    EXPECT_FALSE(option1->isChecked());
    EXPECT_FALSE(option2->isChecked());
    form.Option1.SetEnabled(false);
    form.Option1.SetValue(true);  // selected while disabled
    EXPECT_TRUE(option1->isChecked());
    EXPECT_FALSE(option1->isEnabled());

    form.Check1.SetValue(2);
    EXPECT_EQ(Widget<QCheckBox>("Check1")->checkState(), Qt::PartiallyChecked);
    form.Text1.SetText("nuevo");
    EXPECT_EQ(Widget<QLineEdit>("Text1")->text(), QStringLiteral("nuevo"));
    form.Combo1.SetList(1, "Modelo Digital");
    form.Combo1.SetListIndex(1);
    EXPECT_EQ(Widget<QComboBox>("Combo1")->currentText(), QStringLiteral("Modelo Digital"));
    form.List1.Clear();
    EXPECT_EQ(Widget<QListWidget>("List1")->count(), 0);
    form.Frame1.SetVisible(false);
    EXPECT_FALSE(option2->isVisible());
    form.Command2.SetVisible(true);
    form.Command2.SetCaption("&Ayuda");
    EXPECT_TRUE(Widget<QPushButton>("Command2")->isVisible());
    EXPECT_EQ(Widget<QPushButton>("Command2")->text(), QStringLiteral("&Ayuda"));
    // Only the models' own handlers ran, never one echoed back from a widget.
    EXPECT_EQ(form.log, (std::vector<std::string>{"Option2_Click", "Option1_Click", "Check1_Click",
                                                  "Text1_Change nuevo", "Combo1_Click Modelo Digital"}));
}

TEST_F(Rendering, UserActionsReachTheModels) {
    auto* option1 = Widget<QRadioButton>("Option1");
    auto* option2 = Widget<QRadioButton>("Option2");
    option2->click();
    EXPECT_TRUE(form.Option2.Value());
    option1->click();
    EXPECT_TRUE(form.Option1.Value());
    EXPECT_FALSE(form.Option2.Value());
    EXPECT_FALSE(option2->isChecked());
    // Clicking the selected option again keeps it selected, as the model says.
    option1->click();
    EXPECT_TRUE(option1->isChecked());
    EXPECT_TRUE(form.Option1.Value());

    Widget<QCheckBox>("Check1")->click();
    EXPECT_EQ(form.Check1.Value(), 1);

    auto* text = Widget<QLineEdit>("Text1");
    text->setFocus();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(text, &key);
    EXPECT_EQ(form.Text1.Text(), "inicialx");

    auto* combo = Widget<QComboBox>("Combo1");
    emit combo->activated(1);
    EXPECT_EQ(form.Combo1.ListIndex(), 1);
    Widget<QListWidget>("List1")->setCurrentRow(0);
    EXPECT_EQ(form.List1.Text(), "a");

    auto* notes = Widget<QPlainTextEdit>("Notes");
    notes->appendPlainText(QStringLiteral("tres"));
    EXPECT_EQ(form.Notes.Text(), "uno\r\ndos\r\ntres");

    Widget<QPushButton>("Command1")->click();
    form.Command1.SetEnabled(false);
    Widget<QPushButton>("Command1")->click();
    EXPECT_EQ(form.log,
              (std::vector<std::string>{"Option2_Click", "Option1_Click", "Option1_Click", "Check1_Click",
                                        "Text1_Change inicialx", "Combo1_Click DXF", "List1_Click a",
                                        "Command1_Click"}));
}

TEST_F(Rendering, MouseOverAControlOrTheBackgroundRunsItsMouseMoveOnce) {
    auto* button = Widget<QPushButton>("Command1");
    MoveMouse(button, button->rect().center());
    // The same move travelling up to the window is not the window's.
    MoveMouse(dialog, button->geometry().center());
    auto* frame = Widget<QGroupBox>("Frame1");
    MoveMouse(frame, QPoint(frame->width() - 3, frame->height() - 3));
    MoveMouse(dialog, QPoint(1, 1));
    // Over a disabled button the mouse belongs to what holds it.
    form.Command1.SetEnabled(false);
    MoveMouse(dialog, button->geometry().center());
    EXPECT_EQ(form.log, (std::vector<std::string>{"Command1_MouseMove", "Frame1_MouseMove", "Form_MouseMove",
                                                  "Form_MouseMove"}));
}

TEST_F(Rendering, ValidateThatCancelsKeepsTheFocus) {
    int asked = 0;
    form.Text1.Validate = [&](bool& cancel) {
        ++asked;
        cancel = form.Text1.Text() != "12";
    };
    dialog->activateWindow();
    auto* text = Widget<QLineEdit>("Text1");
    auto* other = Widget<QComboBox>("Combo1");
    text->setFocus();
    QApplication::processEvents();
    other->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(QApplication::focusWidget(), text);

    form.Text1.SetText("12");
    other->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(QApplication::focusWidget(), other);
}

TEST_F(Rendering, ExceptionEscapingAHandlerIsShownNotThrownIntoTheLoop) {
    form.Command1.Click = [] { throw std::runtime_error("No se puede abrir el fichero"); };
    QString text;
    qt_testing::OnNextModal([&](QWidget& box) {
        text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
        box.close();
    });
    Widget<QPushButton>("Command1")->click();
    EXPECT_EQ(text, QStringLiteral("No se puede abrir el fichero"));
}

// A file label and its "Cambiar", as the conversion windows have them.
class FileRow : public Form {
public:
    FileRow()
        : Form("FileRow", "Fichero"),
          Frame2(Add<Frame>("Frame2", "Fichero de entrada:")),
          fic_ent(Add<Label>("fic_ent", "", &Frame2)),
          camb_ent(Add<CommandButton>("camb_ent", "Ca&mbiar", &Frame2)) {
        Width = 320;
        Height = 120;
    }
    Frame& Frame2;
    Label& fic_ent;
    CommandButton& camb_ent;
};

TEST(LongPaths, ShortenedInTheMiddleWithTheWholePathAsToolTip) {
    qt_testing::App();
    FileRow form;
    qt::QtDesktop desktop;
    QDialog* window = desktop.Render(form);
    window->show();
    const std::string path = "/home/topografo/obras/autovia-del-norte/campo/levantamientos/2026/diciembre/e07.ktw";
    form.fic_ent.SetCaption(path);
    QApplication::processEvents();
    auto* label = window->findChild<qt::ElidingLabel*>(QStringLiteral("fic_ent"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(window->width(), 320) << "a long path does not widen the window";
    const QString shown = label->ShownText();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("/home/"))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("e07.ktw"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();
    EXPECT_LE(label->fontMetrics().horizontalAdvance(shown), label->contentsRect().width());
    EXPECT_EQ(label->toolTip(), QString::fromStdString(path));
    EXPECT_EQ(label->text(), QString::fromStdString(path));

    // A name that fits shows whole, without a tool tip.
    form.fic_ent.SetCaption("/tmp/e07.ktw");
    EXPECT_EQ(label->ShownText(), QStringLiteral("/tmp/e07.ktw"));
    EXPECT_TRUE(label->toolTip().isEmpty());
}

// Windows shown through the desktop, as the program shows them.
class Showing : public ::testing::Test {
protected:
    QApplication& app = qt_testing::App();
    Sample first;
    Sample second;
    qt::QtDesktop desktop;
};

TEST_F(Showing, CloseBoxUnloadsTheWindow) {
    desktop.Show(first);
    ASSERT_EQ(desktop.ShownForms().size(), 1u);
    QWidget* window = desktop.Render(first);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    window->close();
    EXPECT_FALSE(first.Loaded());
    EXPECT_TRUE(desktop.ShownForms().empty());
    EXPECT_EQ(first.log, (std::vector<std::string>{"Form_Unload"}));
}

TEST_F(Showing, CloseBoxRunsTheWindowsOwnHandler) {
    desktop.Show(first);
    QWidget* window = desktop.Render(first);
    // A handler that keeps the window: the close box does nothing else.
    first.CloseBoxClick = [&] { first.log.push_back("CloseBoxClick"); };
    window->close();
    EXPECT_TRUE(first.Loaded());
    EXPECT_TRUE(window->isVisible());
    // A handler that unloads it, as "&Cancelar" does.
    first.CloseBoxClick = [&] {
        first.log.push_back("CloseBoxClick");
        desktop.Unload(first);
    };
    window->close();
    EXPECT_FALSE(first.Loaded());
    EXPECT_EQ(first.log, (std::vector<std::string>{"CloseBoxClick", "CloseBoxClick", "Form_Unload"}));
}

TEST_F(Showing, EscapeDoesNotCloseAWindow) {
    desktop.Show(first);
    QDialog* window = desktop.Render(first);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(window, &escape);
    EXPECT_TRUE(first.Loaded());
    EXPECT_TRUE(window->isVisible());
}

// A window that unloads itself from its own handler and opens another one, one
// modal level deeper, as "&Cancelar" does.
TEST_F(Showing, WindowUnloadedFromItsOwnHandlerOpensTheNextOneModally) {
    std::vector<std::string> trail;
    first.Command1.Click = [&] {
        trail.push_back("first: unload");
        desktop.Unload(first);
        qt_testing::OnNextModal([&](QWidget& window) {
            trail.push_back("second shown: " + window.windowTitle().toStdString());
            window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        });
        desktop.ShowModal(second);
        trail.push_back("first: back");
    };
    second.Command1.Click = [&] {
        trail.push_back("second: unload");
        desktop.Unload(second);
    };
    first.Width = 640;
    first.Height = 500;
    first.Centre(desktop.ScreenWidth(), desktop.ScreenHeight());
    qt_testing::OnNextModal([&](QWidget& window) {
        trail.push_back("first shown");
        EXPECT_EQ(window.pos(), QPoint(first.Left, first.Top));
        window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    });
    desktop.ShowModal(first);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(trail, (std::vector<std::string>{"first shown", "first: unload", "second shown: Ventana de &prueba",
                                               "second: unload", "first: back"}));
    EXPECT_TRUE(desktop.ShownForms().empty());
    EXPECT_FALSE(first.Loaded());
    EXPECT_FALSE(second.Loaded());
}

TEST_F(Showing, WindowKeepsTheSizeAndPlaceItsFormChose) {
    first.Width = 640;
    first.Height = 500;
    first.Left = 100;
    first.Top = 50;
    QDialog* window = desktop.Render(first);
    EXPECT_EQ(window->size(), QSize(640, 500));
    EXPECT_EQ(window->pos(), QPoint(100, 50));
    // Too small a size for the controls grows about the same centre.
    second.Width = 50;
    second.Height = 40;
    second.Left = 375;
    second.Top = 280;
    QDialog* small = desktop.Render(second);
    EXPECT_GT(small->width(), 50);
    EXPECT_GT(small->height(), 40);
    EXPECT_NEAR(small->x() + small->width() / 2, 400, 1);
    EXPECT_NEAR(small->y() + small->height() / 2, 300, 1);
}

}  // namespace
