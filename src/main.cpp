// The program: the Qt desktop and the user's settings store, the shared state, and
// the start-up window, which opens the start dialog.

#include <QApplication>

#include <exception>

#include "app/context.h"
#include "app/register_forms.h"
#include "app/state.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_settings_store.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(platform::kApp);

    platform::qt::QtSettingsStore settings;
    platform::qt::QtDesktop desktop([&settings] { settings.Flush(); });
    State state;
    Context ctx{desktop, settings, state};
    app::RegisterForms(ctx);

    int code = 0;
    try {
        desktop.RunGuarded([&ctx] { app::Start(ctx); });
        // The start-up window stays after the start dialog closes; the program
        // ends when the user closes it.
        code = desktop.RunEventLoop();
    } catch (const platform::EndProgram&) {
        code = 0;
    }
    settings.Flush();
    return code;
}
