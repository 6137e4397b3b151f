#pragma once
// The window of one form: real widgets built from the form's controls, kept in step
// with the models in both directions. Generic: it knows control kinds, never forms.

#include <QDialog>

#include <functional>
#include <map>

#include "platform/form.h"

class QBoxLayout;
class QFocusEvent;

namespace platform::qt {

class QtDesktop;

class FormView : public QDialog {
    Q_OBJECT

public:
    // The form must outlive the view, or the view must be detached first.
    FormView(QtDesktop& desktop, Form& form);
    ~FormView() override;

    Form& Model() const { return form_; }
    // The widget that shows a control (its object name is the control's name).
    QWidget* WidgetOf(const Control& control) const;

    // Size from the form's Width and Height, grown to what the controls need; the
    // window keeps the centre the form chose for it and stays on the screen.
    void Place();

    // Stops following the form: after an unload, user actions reach no handler.
    void Detach();
    bool Detached() const { return detached_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The close box (and only it: Escape does not close a window) runs the form's
    // CloseBoxClick, or unloads it; a window its handler keeps stays open.
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildChildren(const Control* container, QWidget* parent, QBoxLayout* layout);
    // Tab follows the layout, top to bottom and left to right.
    void OrderTabStops();
    QWidget* Make(Control& control, QWidget* parent);
    void Wire(Control& control, QWidget* widget);
    void Sync(const Control& control);
    // Runs a user's action on a control, then shows the control as the model has it.
    void Act(Control& control, const std::function<void()>& action);
    void Hover(QWidget* watched, QPointF local);
    void FocusLeft(QWidget* watched, const QFocusEvent& event);
    Control* ControlOf(QWidget* widget) const;

    QtDesktop& desktop_;
    Form& form_;
    std::map<const Control*, QWidget*> widgets_;
    std::map<const QWidget*, Control*> controls_;
    bool detached_ = false;
    bool validating_ = false;
    bool refocusing_ = false;
};

}  // namespace platform::qt
