#pragma once
// One widget type per control kind, and how a control's state shows in its widget.

#include <QString>
#include <QWidget>

#include "platform/control.h"

namespace platform::qt {

// A bare widget for the control's kind (a multi-line text box gets a text area).
QWidget* CreateWidget(const Control& control, QWidget* parent);

// Shows the control's caption or text, value, list, selection, enabled and visible
// state in its widget, without emitting the widget's signals.
void ShowState(const Control& control, QWidget* widget);

// The text the control's widget shows for its caption, as the model holds it.
QString CaptionShown(const Control& control);

// Controls that take a line of their own next to a label.
bool IsField(const Control& control);
// Controls that take the room left over in their window.
bool Expands(const Control& control);

}  // namespace platform::qt
