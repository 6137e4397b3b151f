#pragma once
// What the Qt tests share: the application object, and a way to answer the modal
// window a call is about to show.

#include <QApplication>
#include <QString>

#include <functional>

namespace qt_testing {

// The one application object of the test program, made on first use; without a
// platform chosen by the environment it draws off screen.
QApplication& App();

// Runs `answer` on the next modal window (message box, input box, file dialog or
// form) as soon as it is shown. `answer` must close it.
void OnNextModal(std::function<void(QWidget&)> answer);

// The folder for the pictures of the windows: $TARSEL_BUILD_DIR/screens, else ./screens.
QString ScreensFolder();

}  // namespace qt_testing
