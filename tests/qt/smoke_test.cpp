// Every window of the program drawn by the Qt desktop after its load, as a user
// sees it: its title, the text of each control it shows, its Tab order, and a
// picture of it under screens/ in the build folder. The standard open dialog in
// Spanish.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/context.h"
#include "app/register_forms.h"
#include "app/settings_defaults.h"
#include "app/state.h"
#include "design_readers/sierrasoft_dialogs.h"
#include "platform/qt/qt_desktop.h"
#include "platform/settings_store.h"
#include "qt_app.h"

namespace {

// The text a widget shows, whatever its kind.
QString Shown(const QWidget& widget) {
    if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(&widget)) return frame->title();
    if (auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
    if (auto* line = qobject_cast<const QLineEdit*>(&widget)) return line->text();
    if (auto* area = qobject_cast<const QPlainTextEdit*>(&widget)) return area->toPlainText();
    if (auto* combo = qobject_cast<const QComboBox*>(&widget)) return combo->currentText();
    if (auto* list = qobject_cast<const QListWidget*>(&widget)) {
        return list->currentItem() ? list->currentItem()->text() : QString();
    }
    return {};
}

// A caption as a widget shows it: line breaks are LF on screen.
QString OnScreen(const std::string& caption) {
    QString text = QString::fromStdString(caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

bool ShownByModel(const platform::Control& control) {
    for (const platform::Control* c = &control; c; c = c->Container()) {
        if (!c->Visible()) return false;
    }
    return true;
}

// Tab goes top to bottom and left to right through the window, and never stops
// on a line the user cannot change.
void ExpectTabFollowsTheLayout(QDialog& window) {
    std::vector<QWidget*> stops;
    for (QWidget* w = window.nextInFocusChain(); w && w != &window && stops.size() < 200; w = w->nextInFocusChain()) {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) stops.push_back(w);
    }
    for (size_t i = 0; i < stops.size(); ++i) {
        QWidget* stop = stops[i];
        SCOPED_TRACE(stop->objectName().toStdString());
        if (auto* line = qobject_cast<QLineEdit*>(stop)) {
            EXPECT_FALSE(line->isReadOnly());
        }
        if (auto* area = qobject_cast<QPlainTextEdit*>(stop)) {
            EXPECT_FALSE(area->isReadOnly());
        }
        if (i == 0) continue;
        const QRect a(stops[i - 1]->mapTo(&window, QPoint(0, 0)), stops[i - 1]->size());
        const QRect b(stop->mapTo(&window, QPoint(0, 0)), stop->size());
        const bool below = b.top() >= a.top() + a.height();
        const bool sameRowToTheRight = b.left() >= a.left() + a.width() && b.top() < a.top() + a.height() &&
                                       a.top() < b.top() + b.height();
        EXPECT_TRUE(below || sameRowToTheRight) << "after " << stops[i - 1]->objectName().toStdString();
    }
}

class Program : public ::testing::Test {
protected:
    Program() { app::RegisterForms(ctx); }

    QApplication& application = qt_testing::App();
    platform::MemorySettingsStore settings;
    State state;
    platform::qt::QtDesktop desktop;
    Context ctx{desktop, settings, state};
};

TEST_F(Program, EveryWindowShowsItsCaptionsAfterItsLoad) {
    const auto names = app::FormNames();
    ASSERT_FALSE(names.empty());
    const QString screens = qt_testing::ScreensFolder();
    // The settings a user has from the first run on: the filter list, the DXF options.
    app::WriteFirstRunDefaults(ctx);
    for (const auto& name : names) {
        SCOPED_TRACE(name);
        platform::Form& form = desktop.Forms().Get(name);
        if (name == "TarselPC") {
            // Its load opens the start dialog, which has its own turn: put away at once.
            qt_testing::OnNextModal([this](QWidget&) { desktop.Unload(*desktop.ShownForms().back()); });
        }
        // The axis whose offset is asked, as its reader names it.
        if (auto* offset = dynamic_cast<design_readers::Form_Offset_Alzado*>(&form)) offset->Eje = "EJE 1";
        desktop.Show(form);
        ASSERT_TRUE(form.Loaded());
        QDialog* window = desktop.Render(form);
        QApplication::processEvents();
        EXPECT_EQ(window->windowTitle(), QString::fromStdString(form.Caption()));
        for (const auto& control : form.Controls()) {
            SCOPED_TRACE(control->Name());
            auto* widget = window->findChild<QWidget*>(QString::fromStdString(control->Name()));
            ASSERT_NE(widget, nullptr);
            const bool shown = ShownByModel(*control);
            EXPECT_EQ(widget->isVisible(), shown);
            if (shown && !control->Caption().empty()) {
                EXPECT_EQ(Shown(*widget), OnScreen(control->Caption()));
            }
        }
        ExpectTabFollowsTheLayout(*window);
        EXPECT_TRUE(window->grab().save(screens + '/' + QString::fromStdString(name) + QStringLiteral(".png")));
        desktop.Unload(form);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// A help text wider than its line is read from its first character, not its last.
TEST_F(Program, HelpLineShowsItsTextFromItsBeginning) {
    platform::Form& form = desktop.Forms().Get("Bin_KTW");
    desktop.Show(form);
    QDialog* window = desktop.Render(form);
    QApplication::processEvents();
    form.Find("Option5")->UserMouseMove();
    QApplication::processEvents();
    auto* line = window->findChild<QLineEdit*>(QStringLiteral("Text1"));
    ASSERT_NE(line, nullptr);
    const QString help = QStringLiteral("Transformar datos en el formato del Sistema Tarsel (Equipos KR600)");
    ASSERT_EQ(line->text(), help);
    ASSERT_GT(line->fontMetrics().horizontalAdvance(help), line->contentsRect().width());
    EXPECT_EQ(line->cursorPositionAt(QPoint(0, line->height() / 2)), 0);
    desktop.Unload(form);
}

// Qt's own dialog speaks Spanish, and with no folder stored it starts in the
// user's home.
TEST_F(Program, StandardOpenDialogInSpanishFromTheHomeFolder) {
    platform::FileDialog request;
    request.DialogTitle = "Seleccionar fichero de entrada";
    request.Filter = "Fichero KTW (*.KTW)|*.ktw";
    QString folder, open, cancel, lookIn;
    qt_testing::OnNextModal([&](QWidget& shown) {
        auto* dialog = qobject_cast<QFileDialog*>(&shown);
        if (dialog) {
            folder = dialog->directory().absolutePath();
            if (auto* buttons = dialog->findChild<QDialogButtonBox*>()) {
                if (QAbstractButton* b = buttons->button(QDialogButtonBox::Open)) open = b->text();
                if (QAbstractButton* b = buttons->button(QDialogButtonBox::Cancel)) cancel = b->text();
            }
            if (auto* label = dialog->findChild<QLabel*>(QStringLiteral("lookInLabel"))) lookIn = label->text();
            EXPECT_TRUE(shown.grab().save(qt_testing::ScreensFolder() + QStringLiteral("/dialogo_abrir.png")));
        }
        shown.close();
    });
    EXPECT_EQ(desktop.ShowOpen(request), platform::DialogResult::Closed);
    EXPECT_EQ(folder, QDir(QDir::homePath()).absolutePath());
    EXPECT_EQ(open.remove(QLatin1Char('&')), QStringLiteral("Abrir"));
    EXPECT_EQ(cancel.remove(QLatin1Char('&')), QStringLiteral("Cancelar"));
    EXPECT_FALSE(lookIn.isEmpty());
    EXPECT_NE(lookIn, QStringLiteral("Look in:"));
}

// The way through the windows the program takes at start: the start-up window, the
// start dialog above it, "Aceptar" into the office-to-field window, its close box
// (as "&Cancelar") back to the start dialog one level deeper, and out again. The start dialog is
// put away by the desktop here: its close box would end the test program, as
// "Salir" does.
TEST_F(Program, StartDialogOpensAboveTheStartUpWindowAndNests) {
    std::vector<std::string> shown;
    qt_testing::OnNextModal([&](QWidget& startDialog) {
        shown.push_back(startDialog.windowTitle().toStdString());
        qt_testing::OnNextModal([&](QWidget& officeToField) {
            shown.push_back(officeToField.windowTitle().toStdString());
            qt_testing::OnNextModal([&](QWidget& again) {
                shown.push_back(again.windowTitle().toStdString());
                shown.push_back(std::to_string(desktop.ShownForms().size()));
                desktop.Unload(*desktop.ShownForms().back());
            });
            // Its close box goes back, as "&Cancelar" does.
            officeToField.close();
        });
        startDialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    });
    app::Start(ctx);
    EXPECT_EQ(shown, (std::vector<std::string>{"Formato de datos", "Cambio de formato: Oficina => Campo",
                                               "Formato de datos", "2"}));
    ASSERT_EQ(desktop.ShownForms().size(), 1u);
    platform::Form& startup = *desktop.ShownForms().front();
    EXPECT_EQ(startup.Name(), "TarselPC");
    QDialog* window = desktop.Render(startup);
    EXPECT_TRUE(window->isVisible());
    window->close();
    EXPECT_TRUE(desktop.ShownForms().empty());
    EXPECT_EQ(desktop.RunEventLoop(), 0);
}

}  // namespace
