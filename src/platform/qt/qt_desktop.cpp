#include "platform/qt/qt_desktop.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTime>
#include <QTranslator>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/qt/box_style.h"
#include "platform/qt/file_filter.h"
#include "platform/qt/form_view.h"
#include "platform/qt/text.h"

namespace platform::qt {

QtDesktop::QtDesktop(std::function<void()> onEnd) : onEnd_(std::move(onEnd)) {
    // The program ends when its start-up window is unloaded, not when a box closes
    // while every window is hidden between two modal levels.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // Qt's own words (the file dialogs, the standard buttons) in Spanish like every
    // other word of the program, whatever the desktop's language. Without the
    // translations installed they stay in English.
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        translator_ = std::move(translator);
    }
}

QtDesktop::~QtDesktop() {
    for (auto& entry : views_) delete entry.second;
    if (waitCursor_) QApplication::restoreOverrideCursor();
}

FormView* QtDesktop::ViewFor(Form& form) {
    auto found = views_.find(&form);
    if (found != views_.end()) return found->second;
    auto* view = new FormView(*this, form);
    views_[&form] = view;
    return view;
}

QDialog* QtDesktop::Render(Form& form) {
    FormView* view = ViewFor(form);
    view->setWindowTitle(ToQ(form.Caption()));
    view->Place();
    return view;
}

void QtDesktop::StackAbove(FormView& view) {
    const auto& shown = ShownForms();
    for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
        if (*it == &view.Model()) continue;
        auto below = views_.find(*it);
        if (below == views_.end() || !below->second->isVisible()) continue;
        view.winId();
        below->second->winId();
        if (view.windowHandle() && below->second->windowHandle()) {
            view.windowHandle()->setTransientParent(below->second->windowHandle());
        }
        return;
    }
}

void QtDesktop::RunModal(Form& form) {
    FormView* view = static_cast<FormView*>(Render(form));
    StackAbove(*view);
    view->exec();
}

void QtDesktop::RunModeless(Form& form) {
    FormView* view = ViewFor(form);
    if (view->isVisible()) return;
    Render(form);
    StackAbove(*view);
    view->show();
}

void QtDesktop::Unloaded(Form& form) {
    auto found = views_.find(&form);
    if (found != views_.end()) {
        FormView* view = found->second;
        views_.erase(found);
        view->Detach();
        // Ends the window's modal loop; the widgets go once no handler of theirs
        // is running any more.
        view->done(QDialog::Rejected);
        view->deleteLater();
    }
    if (inEventLoop_ && ShownForms().empty()) QCoreApplication::quit();
}

int QtDesktop::RunEventLoop() {
    if (ShownForms().empty()) return 0;
    inEventLoop_ = true;
    int code = QApplication::exec();
    inEventLoop_ = false;
    return code;
}

void QtDesktop::RunGuarded(const std::function<void()>& action) {
    try {
        action();
    } catch (const EndProgram&) {
        End();
    } catch (const std::exception& error) {
        SetMousePointer(kDefaultPointer);
        MsgBox(error.what(), mb::Critical, "Error");
    }
}

QWidget* QtDesktop::TopWindow() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    const auto& shown = ShownForms();
    for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
        auto found = views_.find(*it);
        if (found != views_.end() && found->second->isVisible()) return found->second;
    }
    return nullptr;
}

int QtDesktop::MsgBox(const std::string& text, int style, const std::string& title) {
    const BoxStyle look = BoxStyleFor(style);
    QMessageBox box(look.icon, ToQ(title.empty() ? std::string(kAppTitle) : title), ToDisplayLines(text),
                    look.buttons, TopWindow());
    box.setTextFormat(Qt::PlainText);
    box.setEscapeButton(look.escape);
    box.exec();
    QAbstractButton* pressed = box.clickedButton();
    int code = pressed ? AnswerFor(box.standardButton(pressed)) : 0;
    return code != 0 ? code : AnswerFor(look.escape);
}

std::string QtDesktop::InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) {
    QInputDialog input(TopWindow());
    input.setInputMode(QInputDialog::TextInput);
    input.setWindowTitle(ToQ(title.empty() ? std::string(kAppTitle) : title));
    input.setLabelText(ToDisplayLines(prompt));
    input.setTextValue(ToQ(defaultText));
    if (input.exec() != QDialog::Accepted) return {};
    return FromQ(input.textValue());
}

DialogResult QtDesktop::RunFileDialog(FileDialog& request, bool save) {
    std::string title = request.DialogTitle;
    if (title.empty()) title = save ? "Guardar como" : "Abrir";
    QFileDialog dialog(TopWindow(), ToQ(title));
    // Qt's own dialog: its name filters ignore letter case and it honours the
    // default extension and the overwrite question the same way everywhere.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save && (request.Flags & kOverwritePrompt) == 0) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // No folder stored yet (or one that is gone): the user's home, not wherever the
    // program happened to be started.
    const QString folder = ToQ(request.InitDir);
    dialog.setDirectory(!folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath());
    const QStringList filters = NameFilters(request.Filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const qsizetype index = std::clamp<qsizetype>(request.FilterIndex - 1, 0, filters.size() - 1);
        dialog.selectNameFilter(filters[index]);
    }
    if (!request.DefaultExt.empty()) dialog.setDefaultSuffix(ToQ(request.DefaultExt));
    if (!request.FileName.empty()) dialog.selectFile(ToQ(request.FileName));

    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        // Named with the system's own separator, as the boxes show names there.
        request.FileName = FromQ(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
        // The dialog names the chosen filter as it shows it: by its description alone.
        const QString chosen = dialog.selectedNameFilter();
        for (qsizetype i = 0; i < filters.size(); ++i) {
            if (filters[i] == chosen || FilterDescription(filters[i]) == chosen) {
                request.FilterIndex = static_cast<int>(i) + 1;
                break;
            }
        }
        return DialogResult::Chosen;
    }
    request.FileName.clear();
    return request.CancelError ? DialogResult::Cancelled : DialogResult::Closed;
}

DialogResult QtDesktop::ShowOpen(FileDialog& dialog) { return RunFileDialog(dialog, false); }

DialogResult QtDesktop::ShowSave(FileDialog& dialog) { return RunFileDialog(dialog, true); }

void QtDesktop::End() {
    if (onEnd_) onEnd_();
    std::fflush(nullptr);
    // Every modal loop and every handler under it is abandoned: nothing may run on.
    std::_Exit(0);
}

void QtDesktop::PointerChanged(int pointer) {
    if (pointer == kHourglass && !waitCursor_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        waitCursor_ = true;
    } else if (pointer != kHourglass && waitCursor_) {
        QApplication::restoreOverrideCursor();
        waitCursor_ = false;
    }
}

void QtDesktop::Beep() { QApplication::beep(); }

int QtDesktop::ScreenWidth() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 1024;
}

int QtDesktop::ScreenHeight() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 768;
}

void QtDesktop::DoEvents() {
    // Repaint only: a click during a conversion must not start another handler.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

char QtDesktop::DecimalSeparator() const {
    return QLocale::system().decimalPoint().startsWith(QLatin1Char(',')) ? ',' : '.';
}

std::string QtDesktop::DateText() const {
    return FromQ(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

std::string QtDesktop::TimeText() const {
    return FromQ(QLocale::system().toString(QTime::currentTime(), QLocale::ShortFormat));
}

}  // namespace platform::qt
