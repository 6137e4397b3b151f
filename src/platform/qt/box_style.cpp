#include "platform/qt/box_style.h"

#include "platform/desktop.h"

namespace platform::qt {

BoxStyle BoxStyleFor(int style) {
    BoxStyle box;
    switch (style & 0x70) {
    case mb::Critical: box.icon = QMessageBox::Critical; break;
    case mb::Question: box.icon = QMessageBox::Question; break;
    case mb::Exclamation: box.icon = QMessageBox::Warning; break;
    case mb::Information: box.icon = QMessageBox::Information; break;
    default: box.icon = QMessageBox::NoIcon; break;
    }
    switch (style & 7) {
    case mb::OKCancel:
        box.buttons = QMessageBox::Ok | QMessageBox::Cancel;
        box.escape = QMessageBox::Cancel;
        break;
    case mb::AbortRetryIgnore:
        box.buttons = QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        box.escape = QMessageBox::Abort;
        break;
    case mb::YesNoCancel:
        box.buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        box.escape = QMessageBox::Cancel;
        break;
    case mb::YesNo:
        box.buttons = QMessageBox::Yes | QMessageBox::No;
        box.escape = QMessageBox::No;
        break;
    case mb::RetryCancel:
        box.buttons = QMessageBox::Retry | QMessageBox::Cancel;
        box.escape = QMessageBox::Cancel;
        break;
    default:
        box.buttons = QMessageBox::Ok;
        box.escape = QMessageBox::Ok;
        break;
    }
    return box;
}

int AnswerFor(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Ok: return answer::OK;
    case QMessageBox::Cancel: return answer::Cancel;
    case QMessageBox::Abort: return answer::Abort;
    case QMessageBox::Retry: return answer::Retry;
    case QMessageBox::Ignore: return answer::Ignore;
    case QMessageBox::Yes: return answer::Yes;
    case QMessageBox::No: return answer::No;
    default: return 0;
    }
}

}  // namespace platform::qt
