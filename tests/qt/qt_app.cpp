#include "qt_app.h"

#include <QDir>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace qt_testing {

QApplication& App() {
    // Made once and never destroyed: Qt must not be torn down during static destruction.
    static QApplication* application = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_qt";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *application;
}

void OnNextModal(std::function<void(QWidget&)> answer) {
    auto* poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            poll->stop();
            poll->deleteLater();
            answer(*modal);
            return;
        }
        // Give up after a while rather than let a test hang: nothing was shown.
        if (++*tries > 500) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(5);
}

QString ScreensFolder() {
    QString build = qEnvironmentVariable("TARSEL_BUILD_DIR");
    QString folder = (build.isEmpty() ? QDir::currentPath() : build) + QStringLiteral("/screens");
    QDir().mkpath(folder);
    return folder;
}

}  // namespace qt_testing
