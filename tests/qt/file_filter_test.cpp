#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>

#include "platform/desktop.h"
#include "platform/qt/file_filter.h"
#include "platform/qt/qt_desktop.h"
#include "qt_app.h"
#include "support/files.h"

namespace {

using platform::qt::CaseInsensitivePattern;
using platform::qt::NameFilters;

TEST(FileFilter, PatternsIgnoreLetterCase) {
    EXPECT_EQ(CaseInsensitivePattern(QStringLiteral("*.pto")), QStringLiteral("*.[pP][tT][oO]"));
    EXPECT_EQ(CaseInsensitivePattern(QStringLiteral(" *.k2 ")), QStringLiteral("*.[kK]2"));
    EXPECT_EQ(CaseInsensitivePattern(QStringLiteral("*.*")), QStringLiteral("*"));
    // A set written by hand is left as it is.
    EXPECT_EQ(CaseInsensitivePattern(QStringLiteral("*.[ab]x")), QStringLiteral("*.[ab][xX]"));
}

TEST(FileFilter, PairsBecomeNameFilters) {
    struct Case {
        std::string filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"", {}},
        {"Fichero de puntos (*.PTO)|*.pto", {QStringLiteral("Fichero de puntos (*.PTO) (*.[pP][tT][oO])")}},
        {"Fichero de texto (*.TXT)|*.txt|Todos los ficheros (*.*)|*.*",
         {QStringLiteral("Fichero de texto (*.TXT) (*.[tT][xX][tT])"), QStringLiteral("Todos los ficheros (*.*) (*)")}},
        {"Datos|*.pto;*.bas", {QStringLiteral("Datos (*.[pP][tT][oO] *.[bB][aA][sS])")}},
        // A description without its pattern offers every file.
        {"Sin patrón", {QStringLiteral("Sin patrón (*)")}},
        {"Vacío|", {QStringLiteral("Vacío (*)")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(NameFilters(c.filter), c.expected);
    }
    EXPECT_EQ(platform::qt::FilterDescription(QStringLiteral("Fichero de puntos (*.PTO) (*.[pP][tT][oO])")),
              QStringLiteral("Fichero de puntos (*.PTO)"));
}

// The patterns find the files whatever their case, even where names are case-sensitive.
TEST(FileFilter, PatternsMatchFilesOfAnyCase) {
    testing_support::TempDir dir;
    for (const char* name : {"A.PTO", "b.pto", "c.Pto", "d.ptox", "e.txt", "LEEME"}) {
        QFile file(QString::fromUtf8((dir.Path() / name).string()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QDir folder(QString::fromStdString(dir.Path().string()));
    const QDir::Filters files = QDir::Files | QDir::CaseSensitive;
    EXPECT_EQ(folder.entryList({CaseInsensitivePattern(QStringLiteral("*.pto"))}, files, QDir::Name),
              (QStringList{QStringLiteral("A.PTO"), QStringLiteral("b.pto"), QStringLiteral("c.Pto")}));
    EXPECT_EQ(folder.entryList({CaseInsensitivePattern(QStringLiteral("*.*"))}, files, QDir::Name).size(), 6);
}

class FileDialogs : public ::testing::Test {
protected:
    QApplication& app = qt_testing::App();
    platform::qt::QtDesktop desktop;
    testing_support::TempDir dir;
};

TEST_F(FileDialogs, SaveDialogTakesTheRequestAndAddsTheDefaultExtension) {
    platform::FileDialog request;
    request.DialogTitle = "Guardar como";
    request.InitDir = dir.Path().string() + "/";
    request.Filter = "Fichero de texto (*.TXT)|*.txt|Todos los ficheros (*.*)|*.*";
    request.FilterIndex = 2;
    request.DefaultExt = "TXT";
    request.Flags = 0x406;
    QString title, folder, suffix, selectedFilter;
    bool confirms = false;
    qt_testing::OnNextModal([&](QWidget& window) {
        auto& dialog = dynamic_cast<QFileDialog&>(window);
        title = dialog.windowTitle();
        folder = dialog.directory().absolutePath();
        suffix = dialog.defaultSuffix();
        selectedFilter = dialog.selectedNameFilter();
        confirms = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        dialog.selectFile(QStringLiteral("SALIDA"));
        static_cast<QDialog&>(dialog).accept();
    });
    EXPECT_EQ(desktop.ShowSave(request), platform::DialogResult::Chosen);
    EXPECT_EQ(title, QStringLiteral("Guardar como"));
    EXPECT_EQ(folder, QDir(QString::fromStdString(dir.Path().string())).absolutePath());
    EXPECT_EQ(suffix, QStringLiteral("TXT"));
    // Shown by its description alone.
    EXPECT_EQ(selectedFilter, QStringLiteral("Todos los ficheros (*.*)"));
    EXPECT_TRUE(confirms);
    EXPECT_EQ(request.FileName, dir.File("SALIDA.TXT"));
    EXPECT_EQ(request.FilterIndex, 2);
}

TEST_F(FileDialogs, WithoutTheOverwriteFlagNothingIsAsked) {
    platform::FileDialog request;
    request.InitDir = dir.Path().string() + "/";
    bool confirms = true;
    qt_testing::OnNextModal([&](QWidget& window) {
        auto& dialog = dynamic_cast<QFileDialog&>(window);
        confirms = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        dialog.reject();
    });
    desktop.ShowSave(request);
    EXPECT_FALSE(confirms);
}

TEST_F(FileDialogs, ClosedDialogLeavesNoNameAndReportsCancelOnlyWhenAsked) {
    platform::FileDialog request;
    request.FileName = "ANTES.PTO";
    request.InitDir = dir.Path().string() + "/";
    qt_testing::OnNextModal([](QWidget& window) { static_cast<QDialog&>(window).reject(); });
    EXPECT_EQ(desktop.ShowOpen(request), platform::DialogResult::Closed);
    EXPECT_EQ(request.FileName, "");

    request.CancelError = true;
    qt_testing::OnNextModal([](QWidget& window) { static_cast<QDialog&>(window).reject(); });
    EXPECT_EQ(desktop.ShowOpen(request), platform::DialogResult::Cancelled);
}

TEST_F(FileDialogs, OpenDialogReturnsTheChosenExistingFile) {
    testing_support::WriteBytes(dir.File("PUNTOS.PTO"), "x");
    platform::FileDialog request;
    request.DialogTitle = "Seleccionar fichero de entrada";
    request.InitDir = dir.Path().string() + "/";
    request.Filter = "Fichero de puntos (*.PTO)|*.pto";
    request.DefaultExt = "pto";
    qt_testing::OnNextModal([](QWidget& window) {
        auto& dialog = dynamic_cast<QFileDialog&>(window);
        dialog.selectFile(QStringLiteral("PUNTOS.PTO"));
        static_cast<QDialog&>(dialog).accept();
    });
    EXPECT_EQ(desktop.ShowOpen(request), platform::DialogResult::Chosen);
    EXPECT_EQ(request.FileName, dir.File("PUNTOS.PTO"));
    EXPECT_EQ(request.FilterIndex, 1);
}

}  // namespace
