// Every window of the program drawn by the Qt desktop: its title, the text of each
// control it shows, and a picture of it under screens/ in the build folder.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
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
#include "app/state.h"
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

class Program : public ::testing::Test {
protected:
    Program() { app::RegisterForms(ctx); }

    QApplication& application = qt_testing::App();
    platform::MemorySettingsStore settings;
    State state;
    platform::qt::QtDesktop desktop;
    Context ctx{desktop, settings, state};
};

TEST_F(Program, EveryWindowShowsItsCaptions) {
    const auto names = app::FormNames();
    ASSERT_FALSE(names.empty());
    const QString screens = qt_testing::ScreensFolder();
    for (const auto& name : names) {
        SCOPED_TRACE(name);
        platform::Form& form = desktop.Forms().Get(name);
        QDialog* window = desktop.Render(form);
        window->show();
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
        EXPECT_TRUE(window->grab().save(screens + '/' + QString::fromStdString(name) + QStringLiteral(".png")));
        window->hide();
    }
}

// The way through the windows the program takes at start: the start-up window, the
// start dialog above it, "Aceptar" into the office-to-field window, its "&Cancelar"
// back to the start dialog one level deeper, and the close boxes out again.
TEST_F(Program, StartDialogOpensAboveTheStartUpWindowAndNests) {
    std::vector<std::string> shown;
    qt_testing::OnNextModal([&](QWidget& startDialog) {
        shown.push_back(startDialog.windowTitle().toStdString());
        qt_testing::OnNextModal([&](QWidget& officeToField) {
            shown.push_back(officeToField.windowTitle().toStdString());
            qt_testing::OnNextModal([&](QWidget& again) {
                shown.push_back(again.windowTitle().toStdString());
                shown.push_back(std::to_string(desktop.ShownForms().size()));
                again.close();
            });
            officeToField.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
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
