#pragma once
// What a message box style number means in Qt terms, and what a pressed button
// answers: kept apart from the box itself so that it can be checked without a screen.

#include <QMessageBox>

namespace platform::qt {

struct BoxStyle {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    // The button that Escape and the close box stand for: the one that gives up
    // (Cancel, No, Abort), or OK when it is the only one.
    QMessageBox::StandardButton escape = QMessageBox::Ok;
};

// Icon from the style's 16/32/48/64 part, buttons from its lowest three bits.
BoxStyle BoxStyleFor(int style);

// The answer code of a pressed button (OK 1 ... No 7); 0 for a button no style shows.
int AnswerFor(QMessageBox::StandardButton button);

}  // namespace platform::qt
