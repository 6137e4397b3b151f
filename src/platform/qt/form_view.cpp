#include "platform/qt/form_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

#include "platform/qt/control_widgets.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/text.h"

namespace platform::qt {

FormView::FormView(QtDesktop& desktop, Form& form) : QDialog(nullptr), desktop_(desktop), form_(form) {
    setObjectName(ToQ(form.Name()));
    setWindowTitle(ToQ(form.Caption()));
    auto* layout = new QVBoxLayout(this);
    BuildChildren(nullptr, this, layout);
    bool anyExpands = std::any_of(form.Controls().begin(), form.Controls().end(),
                                  [](const auto& control) { return Expands(*control); });
    if (!anyExpands) layout->addStretch(1);
    for (const auto& control : form.Controls()) {
        if (widgets_.count(control.get()) != 0) Sync(*control);
    }
    OrderTabStops();
    setMouseTracking(true);
    installEventFilter(this);
}

FormView::~FormView() {
    if (!detached_) Detach();
}

QWidget* FormView::WidgetOf(const Control& control) const {
    auto found = widgets_.find(&control);
    return found == widgets_.end() ? nullptr : found->second;
}

Control* FormView::ControlOf(QWidget* widget) const {
    auto found = controls_.find(widget);
    return found == controls_.end() ? nullptr : found->second;
}

namespace {

// The widgets of a layout as they are laid out: top to bottom, left to right, the
// contents of a frame where the frame stands.
void CollectInLayoutOrder(QLayout* layout, std::vector<QWidget*>& order) {
    if (!layout) return;
    const auto visit = [&order](QLayoutItem* item) {
        if (!item) return;
        if (QWidget* widget = item->widget()) {
            if (std::find(order.begin(), order.end(), widget) != order.end()) return;
            order.push_back(widget);
            CollectInLayoutOrder(widget->layout(), order);
        } else {
            CollectInLayoutOrder(item->layout(), order);
        }
    };
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        for (int row = 0; row < grid->rowCount(); ++row) {
            for (int column = 0; column < grid->columnCount(); ++column) visit(grid->itemAtPosition(row, column));
        }
        return;
    }
    for (int i = 0; i < layout->count(); ++i) visit(layout->itemAt(i));
}

}  // namespace

void FormView::OrderTabStops() {
    std::vector<QWidget*> order;
    CollectInLayoutOrder(layout(), order);
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        // Frames hold controls but take no focus themselves.
        if (!ControlOf(widget) || qobject_cast<QGroupBox*>(widget)) continue;
        if (previous) setTabOrder(previous, widget);
        previous = widget;
    }
}

void FormView::BuildChildren(const Control* container, QWidget* parent, QBoxLayout* layout) {
    const std::vector<Control*> kids = form_.Children(container);
    const auto kindAt = [&kids](size_t i, ControlKind kind) { return i < kids.size() && kids[i]->Kind() == kind; };
    const auto isButton = [&](size_t i) { return kindAt(i, ControlKind::CommandButton); };
    const auto isLabel = [&](size_t i) { return kindAt(i, ControlKind::Label); };
    const auto isField = [&kids](size_t i) { return i < kids.size() && IsField(*kids[i]); };
    // "Nombre del Eje:" and the label that shows the axis: a label ending with a
    // colon names the label after it (one that heads no fields itself).
    const auto namesNext = [&](size_t i) {
        if (!isLabel(i) || !isLabel(i + 1) || isField(i + 2)) return false;
        const std::string& caption = kids[i]->Caption();
        const size_t last = caption.find_last_not_of(' ');
        return last != std::string::npos && caption[last] == ':';
    };
    // A row: a label or check box followed by fields ("Radio" and its box, a layer's
    // check box with its name, colour and decimals), and the unit of the last field
    // when a label that heads nothing follows ("Desplazamiento :", its box, "m");
    // or a label that names the next one. 0 when no row starts here.
    const auto rowLength = [&](size_t i) -> size_t {
        if (namesNext(i)) return 2;
        if (!isLabel(i) && !kindAt(i, ControlKind::CheckBox)) return 0;
        size_t end = i + 1;
        while (isField(end)) ++end;
        if (end == i + 1) return 0;
        if (isLabel(end) && !isField(end + 1) && !namesNext(end)) ++end;
        return end - i;
    };
    size_t i = 0;
    while (i < kids.size()) {
        // Rows may start inside a run of labels; the labels before them, one a
        // column, head their columns ("Crear Capa", "Nombre ", "Color", ...).
        size_t labels = 0;
        while (isLabel(i + labels)) ++labels;
        size_t rowsStart = i;
        while (rowsStart <= i + labels && rowLength(rowsStart) == 0) ++rowsStart;
        size_t columns = 0;
        for (size_t at = rowsStart, length = 0; (length = rowLength(at)) != 0; at += length) {
            columns = std::max(columns, length);
        }
        const size_t headers = rowsStart - i;
        if (columns != 0 && (headers == 0 || (headers >= 2 && headers == columns))) {
            auto* grid = new QGridLayout;
            int row = 0;
            if (headers > 0) {
                for (size_t h = i; h < rowsStart; ++h) grid->addWidget(Make(*kids[h], parent), row, static_cast<int>(h - i));
                ++row;
            }
            i = rowsStart;
            // The columns of fields share the room; a label column (a unit) keeps to its text.
            std::vector<bool> fields(columns, false);
            while (size_t length = rowLength(i)) {
                for (size_t c = 0; c < length; ++c) {
                    grid->addWidget(Make(*kids[i + c], parent), row, static_cast<int>(c));
                    if (IsField(*kids[i + c])) fields[c] = true;
                }
                ++row;
                i += length;
            }
            for (size_t c = 1; c < columns; ++c) grid->setColumnStretch(static_cast<int>(c), fields[c] ? 1 : 0);
            layout->addLayout(grid);
            continue;
        }
        // A label followed by buttons (a file name and its "Cambiar"), or a run of
        // buttons alone, right-aligned: one row.
        if ((isLabel(i) && isButton(i + 1)) || isButton(i)) {
            auto* row = new QHBoxLayout;
            if (isLabel(i)) {
                row->addWidget(Make(*kids[i], parent), 1);
                ++i;
            } else {
                row->addStretch(1);
            }
            while (isButton(i)) {
                row->addWidget(Make(*kids[i], parent));
                ++i;
            }
            layout->addLayout(row);
            continue;
        }
        Control& control = *kids[i];
        QWidget* widget = Make(control, parent);
        // A sentence on a line of its own wraps rather than widen the window.
        if (control.Kind() == ControlKind::Label) static_cast<QLabel*>(widget)->setWordWrap(true);
        layout->addWidget(widget, Expands(control) ? 1 : 0);
        if (control.Kind() == ControlKind::Frame) {
            auto* inner = new QVBoxLayout(widget);
            BuildChildren(&control, widget, inner);
        } else if (!form_.Children(&control).empty()) {
            // Controls held by something other than a frame follow their holder.
            BuildChildren(&control, parent, layout);
        }
        ++i;
    }
}

QWidget* FormView::Make(Control& control, QWidget* parent) {
    QWidget* widget = CreateWidget(control, parent);
    widget->setObjectName(ToQ(control.Name()));
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    widgets_[&control] = widget;
    controls_[widget] = &control;
    Wire(control, widget);
    control.SetObserver([this](Control& changed) { Sync(changed); });
    return widget;
}

void FormView::Wire(Control& control, QWidget* widget) {
    switch (control.Kind()) {
    case ControlKind::CommandButton: {
        auto& button = static_cast<CommandButton&>(control);
        connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                [this, &button] { Act(button, [&button] { button.UserClick(); }); });
        break;
    }
    case ControlKind::OptionButton: {
        auto& option = static_cast<OptionButton&>(control);
        connect(static_cast<QRadioButton*>(widget), &QRadioButton::clicked, this,
                [this, &option] { Act(option, [&option] { option.UserClick(); }); });
        break;
    }
    case ControlKind::CheckBox: {
        auto& check = static_cast<CheckBox&>(control);
        connect(static_cast<QCheckBox*>(widget), &QCheckBox::clicked, this,
                [this, &check] { Act(check, [&check] { check.UserClick(); }); });
        break;
    }
    case ControlKind::TextBox: {
        auto& box = static_cast<TextBox&>(control);
        if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) {
            connect(area, &QPlainTextEdit::textChanged, this, [this, &box, area] {
                Act(box, [&box, area] { box.UserType(ToModelLines(area->toPlainText())); });
            });
        } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            connect(line, &QLineEdit::textEdited, this,
                    [this, &box](const QString& text) { Act(box, [&box, text] { box.UserType(FromQ(text)); }); });
        }
        break;
    }
    case ControlKind::ComboBox: {
        auto& list = static_cast<ListControl&>(control);
        connect(static_cast<QComboBox*>(widget), &QComboBox::activated, this,
                [this, &list](int index) { Act(list, [&list, index] { list.UserSelect(index); }); });
        break;
    }
    case ControlKind::ListBox: {
        auto& list = static_cast<ListControl&>(control);
        connect(static_cast<QListWidget*>(widget), &QListWidget::currentRowChanged, this,
                [this, &list](int row) { Act(list, [&list, row] { list.UserSelect(row); }); });
        break;
    }
    default: break;
    }
}

void FormView::Sync(const Control& control) {
    if (QWidget* widget = WidgetOf(control)) ShowState(control, widget);
}

void FormView::Act(Control& control, const std::function<void()>& action) {
    if (detached_) return;
    desktop_.RunGuarded(action);
    // The widget may show a state the model refused (an option clicked off, a
    // locked text); the handler may also have renamed the window.
    if (detached_) return;
    Sync(control);
    setWindowTitle(ToQ(form_.Caption()));
}

void FormView::Detach() {
    detached_ = true;
    for (const auto& entry : controls_) entry.second->SetObserver(nullptr);
}

void FormView::Place() {
    if (layout()) layout()->activate();
    // Every label's whole text across; lists and text areas may give up height.
    const QSize needed(std::max(sizeHint().width(), minimumSizeHint().width()), minimumSizeHint().height());
    const int width = std::max(form_.Width, needed.width());
    const int height = std::max(form_.Height, needed.height());
    resize(width, height);
    int left = form_.Left - (width - form_.Width) / 2;
    int top = form_.Top - (height - form_.Height) / 2;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        left = std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - width));
        top = std::clamp(top, area.top(), std::max(area.top(), area.bottom() + 1 - height));
    }
    move(left, top);
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    if (!detached_ && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::Enter: Hover(widget, static_cast<QEnterEvent*>(event)->position()); break;
        case QEvent::MouseMove: Hover(widget, static_cast<QMouseEvent*>(event)->position()); break;
        case QEvent::FocusOut: FocusLeft(widget, *static_cast<QFocusEvent*>(event)); break;
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FormView::Hover(QWidget* watched, QPointF local) {
    // Mouse events travel up to the holders of the widget under the mouse; only the
    // control really under it (or the window, over its background) hears of it.
    // A disabled control passes the mouse to what holds it, as it takes no events.
    const QPoint point = watched == this ? local.toPoint() : watched->mapTo(this, local.toPoint());
    QWidget* under = childAt(point);
    while (under && under != this) {
        if (ControlOf(under) && under->isEnabled()) break;
        under = under->parentWidget();
    }
    if (!under) under = this;
    if (under != watched) return;
    if (under == this) {
        if (form_.MouseMove) desktop_.RunGuarded(form_.MouseMove);
    } else if (Control* control = ControlOf(under)) {
        desktop_.RunGuarded([control] { control->UserMouseMove(); });
    }
}

void FormView::FocusLeft(QWidget* watched, const QFocusEvent& event) {
    // A box or another window taking the focus is no move to another control.
    if (event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason) return;
    if (validating_ || refocusing_) return;
    Control* control = ControlOf(watched);
    if (!control || !control->Validate) return;
    validating_ = true;
    bool leaves = true;
    desktop_.RunGuarded([control, &leaves] { leaves = control->UserLeave(); });
    validating_ = false;
    if (leaves || detached_) return;
    QPointer<QWidget> keep(watched);
    QTimer::singleShot(0, watched, [this, keep] {
        if (!keep || detached_) return;
        refocusing_ = true;
        keep->setFocus(Qt::OtherFocusReason);
        refocusing_ = false;
    });
}

void FormView::reject() {
    if (!detached_) desktop_.RunGuarded([this] { desktop_.UserClose(form_); });
    // A window that was never loaded (only drawn) simply closes.
    if (!detached_ && !form_.Loaded()) QDialog::reject();
}

void FormView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace platform::qt
