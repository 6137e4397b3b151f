#include "platform/qt/control_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "platform/qt/eliding_label.h"
#include "platform/qt/picture.h"
#include "platform/qt/text.h"

namespace platform::qt {

namespace {

bool IsMultiLine(const Control& control) {
    return control.Kind() == ControlKind::TextBox && static_cast<const TextBox&>(control).MultiLine();
}

bool SameItems(const std::vector<std::string>& items, int count, const std::function<QString(int)>& shown) {
    if (static_cast<int>(items.size()) != count) return false;
    for (int i = 0; i < count; ++i) {
        if (shown(i) != ToQ(items[static_cast<size_t>(i)])) return false;
    }
    return true;
}

QStringList ToQList(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const auto& item : items) list << ToQ(item);
    return list;
}

void ShowCombo(const ListControl& list, QComboBox& combo) {
    if (!SameItems(list.Items(), combo.count(), [&combo](int i) { return combo.itemText(i); })) {
        combo.clear();
        combo.addItems(ToQList(list.Items()));
    }
    if (combo.currentIndex() != list.ListIndex()) combo.setCurrentIndex(list.ListIndex());
}

void ShowList(const ListControl& list, QListWidget& widget) {
    if (!SameItems(list.Items(), widget.count(), [&widget](int i) { return widget.item(i)->text(); })) {
        widget.clear();
        widget.addItems(ToQList(list.Items()));
    }
    if (widget.currentRow() != list.ListIndex()) widget.setCurrentRow(list.ListIndex());
}

void ShowText(const TextBox& box, QWidget& widget) {
    const QString text = CaptionShown(box);
    if (auto* area = qobject_cast<QPlainTextEdit*>(&widget)) {
        if (area->toPlainText() != text) area->setPlainText(text);
        area->setReadOnly(box.Locked());
    } else if (auto* line = qobject_cast<QLineEdit*>(&widget)) {
        if (line->text() != text) {
            line->setText(text);
            // A line nobody types in (the help line) is read from its beginning:
            // setText leaves it scrolled to its end.
            if (box.Locked()) line->setCursorPosition(0);
        }
        line->setReadOnly(box.Locked());
    }
    // A text the user cannot change (the help line) is no stop for Tab; a click may
    // still select in it.
    widget.setFocusPolicy(box.Locked() ? Qt::ClickFocus : Qt::StrongFocus);
}

}  // namespace

bool IsField(const Control& control) {
    return control.Kind() == ControlKind::ComboBox ||
           (control.Kind() == ControlKind::TextBox && !IsMultiLine(control));
}

bool Expands(const Control& control) { return control.Kind() == ControlKind::ListBox || IsMultiLine(control); }

QString CaptionShown(const Control& control) {
    switch (control.Kind()) {
    case ControlKind::Label:
    case ControlKind::TextBox: return ToDisplayLines(control.Caption());
    default: return ToQ(control.Caption());
    }
}

QWidget* CreateWidget(const Control& control, QWidget* parent) {
    switch (control.Kind()) {
    case ControlKind::Label: {
        auto* label = new ElidingLabel(parent);
        label->setTextFormat(Qt::PlainText);
        // A long file name shown later must not widen the window: it is shortened.
        label->setMinimumWidth(1);
        return label;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(parent);
        // Enter presses no button unless the window says so, which none does.
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(parent);
        // The model keeps its groups: it may leave none selected.
        option->setAutoExclusive(false);
        return option;
    }
    case ControlKind::CheckBox: return new QCheckBox(parent);
    case ControlKind::TextBox:
        if (IsMultiLine(control)) return new QPlainTextEdit(parent);
        return new QLineEdit(parent);
    case ControlKind::ComboBox: return new QComboBox(parent);
    case ControlKind::ListBox: return new QListWidget(parent);
    case ControlKind::Frame: return new QGroupBox(parent);
    case ControlKind::PictureBox: {
        auto* picture = new QLabel(parent);
        picture->setPixmap(ProductPicture());
        picture->setAlignment(Qt::AlignCenter);
        return picture;
    }
    }
    return new QWidget(parent);
}

void ShowState(const Control& control, QWidget* widget) {
    QSignalBlocker block(widget);
    switch (control.Kind()) {
    case ControlKind::Label: static_cast<ElidingLabel*>(widget)->SetFullText(CaptionShown(control)); break;
    case ControlKind::CommandButton: static_cast<QPushButton*>(widget)->setText(CaptionShown(control)); break;
    case ControlKind::OptionButton: {
        auto* option = static_cast<QRadioButton*>(widget);
        option->setText(CaptionShown(control));
        option->setChecked(static_cast<const OptionButton&>(control).Value());
        break;
    }
    case ControlKind::CheckBox: {
        auto* check = static_cast<QCheckBox*>(widget);
        check->setText(CaptionShown(control));
        int value = static_cast<const CheckBox&>(control).Value();
        check->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
        break;
    }
    case ControlKind::TextBox: ShowText(static_cast<const TextBox&>(control), *widget); break;
    case ControlKind::ComboBox:
        ShowCombo(static_cast<const ListControl&>(control), *static_cast<QComboBox*>(widget));
        break;
    case ControlKind::ListBox:
        ShowList(static_cast<const ListControl&>(control), *static_cast<QListWidget*>(widget));
        break;
    case ControlKind::Frame: static_cast<QGroupBox*>(widget)->setTitle(CaptionShown(control)); break;
    case ControlKind::PictureBox: break;
    }
    widget->setEnabled(control.Enabled());
    widget->setVisible(control.Visible());
}

}  // namespace platform::qt
