// The field-to-office window: loading, the name checks, the order of questions, the
// old output kept until a new one is complete, the end of a conversion, failures, and the other buttons.

#include <filesystem>
#include <stdexcept>

#include "ba_fixture.h"
#include "common/errors.h"
#include "common/file_names.h"
#include "support/files.h"

namespace ba_test {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

TEST_F(BaFormTest, LoadListsFiltersUpToTheFirstGap) {
    store.SaveSetting(platform::kApp, "filtros", "filtro51", "Uno");
    store.SaveSetting(platform::kApp, "filtros", "filtro52", "Dos");
    store.SaveSetting(platform::kApp, "filtros", "filtro54", "Tras el hueco");
    store.SaveSetting(platform::kApp, "filtros", "filtro17", "Tras el hueco");
    Open(0);
    EXPECT_EQ(form->Caption(), "Cambio de formato: Campo => Oficina");
    ASSERT_EQ(form->Combo1.ListCount(), 17);
    EXPECT_EQ(form->Combo1.List(0), "Estandar");
    EXPECT_EQ(form->Combo1.List(14), "FieldWorks");
    EXPECT_EQ(form->Combo1.List(15), "Uno");
    EXPECT_EQ(form->Combo1.List(16), "Dos");
    EXPECT_EQ(state.NumFiltrosEstandar, 15);
    EXPECT_EQ(state.NumFiltrosUsuario, 2);
    EXPECT_EQ(form->Combo1.ListIndex(), 0);
    EXPECT_EQ(form->abrir.InitDir, "/datos/campo/");
    EXPECT_EQ(form->guardar.InitDir, "/datos/oficina/");
    EXPECT_EQ(form->abrir.DialogTitle, "Seleccionar fichero de entrada");
    EXPECT_EQ(form->guardar.DialogTitle, "Guardar como");
    EXPECT_FALSE(form->Command4.Visible());
    EXPECT_EQ(form->ContadorVertices, 0);
    // Centred across, two thirds down.
    EXPECT_EQ(form->Left, (1024 - form->Width) / 2);
    EXPECT_EQ(form->Top, (768 - form->Height) * 2 / 3);
}

TEST_F(BaFormTest, LoadWithAnEmptyStore) {
    store = platform::MemorySettingsStore();
    Open(0);
    EXPECT_EQ(form->Combo1.ListCount(), 0);
    EXPECT_EQ(state.NumFiltrosEstandar, 0);
    EXPECT_EQ(state.NumFiltrosUsuario, 0);
    EXPECT_EQ(form->Combo1.ListIndex(), -1);
}

TEST_F(BaFormTest, HelpLine) {
    Open(0);
    const std::pair<platform::Control*, const char*> cases[] = {
        {&form->camb_ent, "Introduzca el nombre del fichero a transformar"},
        {&form->camb_sal, "Introduzca el nombre del fichero que desee crear"},
        {&form->Command1, "Editar un filtro de datos existente"},
        {&form->Command3, "Vuelve a la pantalla de inicio"},
        {&form->Command4, "Ayuda Binario -> ASCII"},
        {&form->Command5, "Crear un filtro de datos nuevo"},
        {&form->Command6, "Borrar un filtro de datos existente"},
        {&form->Frame1, "Seleccione el filtro de datos"},
    };
    for (const auto& [control, text] : cases) {
        control->UserMouseMove();
        EXPECT_EQ(form->Text1.Text(), text) << control->Name();
    }
    form->MouseMove();
    EXPECT_EQ(form->Text1.Text(), "Transformación Binario -> ASCII");
    // The button, the list and the options have none.
    form->B_A_Transform.UserMouseMove();
    form->Combo1.UserMouseMove();
    form->Option4.UserMouseMove();
    EXPECT_EQ(form->Text1.Text(), "Transformación Binario -> ASCII");
}

TEST_F(BaFormTest, CancelReturnsToTheStartDialogAndHelpOpensItsWindow) {
    Open(0);
    desktop.ClearTranscript();
    form->Command4.Click();
    form->Command3.UserClick();
    const auto& t = desktop.Transcript();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].kind, platform::ShownEvent::Kind::Show);
    EXPECT_EQ(t[0].text, "ayuda_ba");
    EXPECT_EQ(t[1].kind, platform::ShownEvent::Kind::Unload);
    EXPECT_EQ(t[1].text, "ba_form");
    EXPECT_EQ(t[2].kind, platform::ShownEvent::Kind::Show);
    EXPECT_EQ(t[2].text, "Bin_KTW");
    EXPECT_FALSE(form->Loaded());
}

// A request on real files: the window's folder as input and output.
class BaTransform : public BaFormTest {
protected:
    BaTransform() {
        in = dir.File("entrada.pto");
        out = dir.File("salida.txt");
        WriteBytes(in, "datos");
        WriteBytes(out, "salida anterior");
    }

    // Chooses both files through the dialogs and presses the button.
    void Transform(const std::string& input, const std::string& output) {
        desktop.AnswerDialog(input);
        form->camb_ent.UserClick();
        desktop.AnswerDialog(output);
        form->camb_sal.UserClick();
        desktop.ClearTranscript();
        form->B_A_Transform.UserClick();
    }

    void ExpectOnlyBox(int style, const std::string& title, const std::string& text) {
        const auto boxes = desktop.Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].style, style);
        EXPECT_EQ(boxes[0].title, title);
        EXPECT_EQ(boxes[0].text, text);
    }

    std::string Folder() const { return dir.File(""); }  // with the system's separator at the end

    TempDir dir;
    std::string in, out;
};

TEST_F(BaTransform, CompletedConversion) {
    Open(0);
    RecordConverters();
    form->SetConverter(Converter::B_A_Bases_Puntos, [this](ba_form& f) {
        EXPECT_EQ(ReadBytes(out), "salida anterior") << "the old output stays while the converter runs";
        EXPECT_EQ(desktop.MousePointer(), platform::kHourglass);
        EXPECT_EQ(f.ctx().state.InFilePath, in);
        EXPECT_EQ(f.ctx().state.OutFilePath, out);
        EXPECT_EQ(f.ctx().state.InFile, UpperFileName(in));
        WriteBytes(f.ctx().state.OutFilePath, "nuevo");
        calls.push_back(Converter::B_A_Bases_Puntos);
    });
    Transform(in, out);
    EXPECT_EQ(calls, std::vector<Converter>{Converter::B_A_Bases_Puntos});
    EXPECT_EQ(ReadBytes(out), "nuevo");
    ExpectOnlyBox(0, "Transformación finalizada",
                  "\rFichero de entrada :  " + in + "\rFichero de salida    :  " + out);
    EXPECT_EQ(store.GetSetting(platform::kApp, "path", "path_ba_ent"), Folder());
    EXPECT_EQ(store.GetSetting(platform::kApp, "path", "path_ba_sal"), Folder());
    EXPECT_EQ(form->abrir.InitDir, Folder());
    EXPECT_EQ(form->guardar.InitDir, Folder());
    EXPECT_EQ(form->fic_ent.Caption(), "");
    EXPECT_EQ(form->fic_sal.Caption(), "");
    EXPECT_EQ(form->abrir.FileName, "");
    EXPECT_EQ(form->guardar.FileName, "");
    EXPECT_EQ(desktop.MousePointer(), platform::kDefaultPointer);

    // The names were cleared: pressing again asks for them.
    desktop.ClearTranscript();
    form->B_A_Transform.UserClick();
    ExpectOnlyBox(64, "Transformación", "Introduzca el nombre del fichero de entrada");
}

TEST_F(BaTransform, UpperCaseNamesFromTheDialogs) {
    Open(0);
    RecordConverters();
    Transform("/datos/campo/ñandú/a.pto", "/datos/oficina/b.txt");
    EXPECT_EQ(state.InFile, "/DATOS/CAMPO/ÑANDÚ/A.PTO");
    EXPECT_EQ(state.OutFile, "/DATOS/OFICINA/B.TXT");
    EXPECT_EQ(state.InFilePath, "/datos/campo/ñandú/a.pto");
}

struct NameCase {
    const char* what;
    std::string input, output;  // "" leaves the dialog unanswered-empty
    int style;
    const char* text;
};

TEST_F(BaTransform, NameChecksLeaveEverythingAsItWas) {
    std::filesystem::create_directories(dir.Path() / "sub");
    // A symbolic link; a hard one where the system makes no symbolic links (wine).
    std::error_code noSymlinks;
    std::filesystem::create_symlink(in, dir.Path() / "enlace.pto", noSymlinks);
    if (noSymlinks) std::filesystem::create_hard_link(in, dir.Path() / "enlace.pto");
    const NameCase cases[] = {
        {"no input", "", out, 64, "Introduzca el nombre del fichero de entrada"},
        {"no output", in, "", 64, "Introduzca el nombre del fichero de salida"},
        {"no names", "", "", 64, "Introduzca el nombre del fichero de entrada"},
        {"same name", in, in, 16, "Los ficheros de entrada y salida son idénticos"},
        {"letter case only", in, dir.File("ENTRADA.PTO"), 16, "Los ficheros de entrada y salida son idénticos"},
        {"a path through ..", in, dir.File("sub/../entrada.pto"), 16,
         "Los ficheros de entrada y salida son idénticos"},
        {"a link", in, dir.File("enlace.pto"), 16, "Los ficheros de entrada y salida son idénticos"},
    };
    for (const NameCase& c : cases) {
        Open(0);
        RecordConverters();
        form->abrir.FileName = c.input;
        form->guardar.FileName = c.output;
        form->fic_ent.SetCaption(c.input);
        desktop.ClearTranscript();
        form->B_A_Transform.UserClick();
        SCOPED_TRACE(c.what);
        ExpectOnlyBox(c.style, "Transformación", c.text);
        EXPECT_TRUE(calls.empty());
        EXPECT_EQ(ReadBytes(in), "datos");
        EXPECT_EQ(ReadBytes(out), "salida anterior");
        EXPECT_EQ(desktop.MousePointer(), platform::kDefaultPointer);
        EXPECT_EQ(form->abrir.FileName, c.input);
        EXPECT_EQ(form->fic_ent.Caption(), c.input);
        EXPECT_EQ(store.GetSetting(platform::kApp, "path", "path_ba_ent"), "/datos/campo/");
    }
}

// Refusals keep the old output, and no end box follows them.
TEST_F(BaTransform, RefusalsKeepTheOldOutput) {
    struct Case {
        const char* what;
        std::int16_t formato;
        const char* filter;
        const char* option;  // clicked after choosing the filter, or nullptr
        int style;
        const char* title;
        const char* text;
    };
    const char* nothing =
        "Este tipo de fichero no se puede transformar con el filtro de datos y el formato de campo elegidos.";
    const char* userFilter = "Tiene que usar un filtro de usuario para crear un fichero ASCII desde un fichero KTW";
    const Case cases[] = {
        {"KTW with a standard filter", 1, "Estandar", nullptr, 0, "Tarsel", userFilter},
        {"KTW with a standard filter past DXF", 1, "SDR", nullptr, 0, "Tarsel", userFilter},
        {"Tunelix analysis", 4, "Estandar", "Option5", 48, "Transformación", nothing},
        {"no file type selected", 3, "Estandar", nullptr, 48, "Transformación", nothing},
        {"binary observations with Vial", 0, "SDR", nullptr, 48, "Transformación", nothing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.formato);
        RecordConverters();
        SelectFilter(c.filter);
        if (std::string(c.what) == "binary observations with Vial") SelectFilter("Vial");
        if (c.option) static_cast<platform::OptionButton*>(form->Find(c.option))->UserClick();
        Transform(in, out);
        ExpectOnlyBox(c.style, c.title, c.text);
        EXPECT_TRUE(calls.empty());
        EXPECT_EQ(ReadBytes(out), "salida anterior");
        EXPECT_EQ(desktop.MousePointer(), platform::kDefaultPointer);
        EXPECT_EQ(form->fic_sal.Caption(), out);
    }
}

TEST_F(BaTransform, ConverterNotBuiltYet) {
    Open(2);
    RecordConverters();
    form->ClearConverter(Converter::KTW_Tarsel_Taqui);
    SelectFilter("SDR");
    Transform(in, out);
    ExpectOnlyBox(48, "Transformación", "Esta transformación todavía no está disponible.");
    EXPECT_EQ(ReadBytes(out), "salida anterior");
}

TEST_F(BaTransform, DxfOptionsCancelled) {
    Open(0);
    RecordConverters();
    SelectFilter("DXF");
    cancelDxf = true;
    Transform(in, out);
    EXPECT_TRUE(desktop.Boxes().empty());
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(state.CancelarDXF, 0);
    EXPECT_EQ(ReadBytes(out), "salida anterior");
    EXPECT_EQ(form->fic_ent.Caption(), in);
    EXPECT_EQ(form->fic_sal.Caption(), out);
    EXPECT_EQ(desktop.MousePointer(), platform::kDefaultPointer);

    // The same names can be used again at once.
    cancelDxf = false;
    desktop.ClearTranscript();
    form->B_A_Transform.UserClick();
    EXPECT_EQ(desktop.Transcript().front().text, "Form_DXF");
    EXPECT_EQ(calls, std::vector<Converter>{Converter::B_A_Bases_Puntos});
    EXPECT_EQ(ReadBytes(out), "salida anterior");
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].title, "Transformación finalizada");
}

TEST_F(BaTransform, NoDxfOptionsForOtherFilters) {
    Open(0);
    RecordConverters();
    SelectFilter("Estandar");
    Transform(in, out);
    for (const auto& event : desktop.Transcript()) EXPECT_NE(event.text, "Form_DXF");
}

TEST_F(BaTransform, ConverterThatThrows) {
    Open(0);
    RecordConverters();
    form->SetConverter(Converter::B_A_Bases_Puntos,
                       [](ba_form&) { throw ConversionError("El fichero de puntos está incompleto."); });
    Transform(in, out);
    ExpectOnlyBox(16, "Error", "Error al transformar el fichero " + in + ":\rEl fichero de puntos está incompleto.");
    EXPECT_EQ(ReadBytes(out), "salida anterior");
    EXPECT_EQ(desktop.MousePointer(), platform::kDefaultPointer);
    EXPECT_EQ(state.ErrorFichero, 0);

    // Any other failure is shown the same way, and the window goes on working.
    form->SetConverter(Converter::B_A_Bases_Puntos, [](ba_form&) { throw std::out_of_range("indice"); });
    Transform(in, out);
    ExpectOnlyBox(16, "Error", "Error al transformar el fichero " + in + ":\rindice");
    form->SetConverter(Converter::B_A_Bases_Puntos, [](ba_form&) {});
    Transform(in, out);
    ExpectOnlyBox(0, "Transformación finalizada",
                  "\rFichero de entrada :  " + in + "\rFichero de salida    :  " + out);
}

TEST_F(BaTransform, ConverterThatSetsTheAbortFlag) {
    Open(0);
    state.ErrorFichero = 1;  // left over: cleared before the converter runs
    RecordConverters();
    Transform(in, out);
    ASSERT_EQ(desktop.Boxes().size(), 1u);

    form->SetConverter(Converter::B_A_Bases_Puntos, [](ba_form& f) {
        f.ctx().desktop.MsgBox("Fichero erróneo", 16, "Error");
        f.ctx().state.ErrorFichero = 1;
    });
    Transform(in, out);
    ExpectOnlyBox(16, "Error", "Fichero erróneo");
    EXPECT_EQ(state.ErrorFichero, 0);
    EXPECT_EQ(desktop.MousePointer(), platform::kDefaultPointer);
}

TEST_F(BaTransform, NamesWithoutAFolder) {
    Open(0);
    RecordConverters();
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    Transform("entrada.pto", "nueva.txt");
    std::filesystem::current_path(previous);
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(store.GetSetting(platform::kApp, "path", "path_ba_ent"), "");
    EXPECT_EQ(store.GetSetting(platform::kApp, "path", "path_ba_sal"), "");
    EXPECT_TRUE(store.Exists(platform::kApp, "path", "path_ba_sal"));
}

TEST_F(BaTransform, IspolRunsWithTheNormalPointer) {
    Open(2);
    RecordConverters();
    int pointer = -1;
    form->SetConverter(Converter::KTW_A_Ispol, [&](ba_form& f) { pointer = f.ctx().desktop.MousePointer(); });
    SelectFilter("Istram Estandar");
    Transform(in, out);
    EXPECT_EQ(pointer, platform::kDefaultPointer);
}

// An output name that is a folder is left alone.
TEST_F(BaTransform, OutputFolderIsNotDeleted) {
    Open(0);
    const std::string folder = dir.File("carpeta");
    std::filesystem::create_directories(folder);
    form->SetConverter(Converter::B_A_Bases_Puntos,
                       [](ba_form&) { throw ConversionError("No se puede crear el fichero de salida."); });
    Transform(in, folder);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].title, "Error");
}

TEST_F(BaFormTest, FilterButtonsRefuseStandardFilters) {
    // KTW data enables "&Editar" and "&Borrar" for every filter; a standard one is refused.
    Open(1);
    SelectFilter("Topcal");
    const std::pair<platform::CommandButton*, const char*> cases[] = {
        {&form->Command1, "No se pueden modificar los filtros estándar"},
        {&form->Command6, "No se pueden borrar los filtros estándar"}};
    for (const auto& [button, text] : cases) {
        desktop.ClearTranscript();
        ASSERT_TRUE(button->UserClick()) << button->Name();
        ASSERT_EQ(desktop.Boxes().size(), 1u) << button->Name();
        EXPECT_EQ(desktop.Boxes()[0].style, 48);
        EXPECT_EQ(desktop.Boxes()[0].text, text);
        EXPECT_EQ(desktop.Boxes()[0].title, "Tarsel");
    }
    EXPECT_EQ(store.WriteCount(), 15 + 2);
}

TEST(BaFileNames, UpperAndFolder) {
    EXPECT_EQ(UpperFileName("/tmp/Año/pk+1.ktw"), "/TMP/AÑO/PK+1.KTW");
    EXPECT_EQ(UpperFileName("àéíóúü÷ÿ"), "ÀÉÍÓÚÜ÷ÿ");
    EXPECT_EQ(UpperFileName(""), "");
    EXPECT_EQ(FolderOf("/datos/campo/a.pto"), "/datos/campo/");
    EXPECT_EQ(FolderOf("/a.pto"), "/");
    EXPECT_EQ(FolderOf("a.pto"), "");
    EXPECT_EQ(FolderOf("datos/"), "datos/");
}

}  // namespace
}  // namespace ba_test
