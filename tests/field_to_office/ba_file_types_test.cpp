// What each filter offers in the field-to-office window: the enabled and selected
// file types, the first option's caption, the filter buttons and the file dialogs.

#include <string>
#include <vector>

#include "ba_fixture.h"

namespace ba_test {
namespace {

// Five characters for Option1, 2, 4, 5, 6: "E" enabled and selected, "e" enabled,
// "S" selected while disabled, "." neither.
std::string OptionPicture(ba_form& f) {
    std::string picture;
    for (const platform::OptionButton* option : {&f.Option1, &f.Option2, &f.Option4, &f.Option5, &f.Option6}) {
        if (option->Value()) {
            picture += option->Enabled() ? 'E' : 'S';
        } else {
            picture += option->Enabled() ? 'e' : '.';
        }
    }
    return picture;
}

struct Selection {
    const char* filter;
    const char* picture;
};

// Each filter is chosen in a freshly loaded window. The window loads with
// "Estandar", so for the tables that clear a selection the load's choice matters:
// formats 0 and 2 load with points selected, format 3 with profiles, 1 and 4 with observations.
struct FormatCase {
    std::int16_t formato;
    std::vector<Selection> selections;
};

const std::vector<FormatCase> kCases = {
    {0,
     {{"Estandar", "Eeeee"}, {"Istram Estandar", "Eeeee"}, {"Modelo Digital", "Eeeee"}, {"Perfiles Clip", "....E"},
      {"Elsamex", "Eeeee"}, {"Istram (EPSA)", "Eeeee"}, {"DXF", "Eeeee"}, {"TCP", "..S.."}, {"Topcal", "S.e.e"},
      {"Brennsoft", "..E.."}, {"InRoads", "..S.."}, {"Vial", "S...."}, {"SDR", "..E.."}, {"Calco", "..E.."},
      {"FieldWorks", "..E.."}, {"Mi filtro", "..E.."}}},
    {1,
     {{"Estandar", "..E.."}, {"Istram Estandar", "..E.."}, {"Perfiles Clip", "..E.."}, {"DXF", "..E.."},
      {"Vial", "..E.."}, {"Mi filtro", "..E.."}}},
    {2,
     {{"Estandar", "Eeeee"}, {"Istram Estandar", "Eeeee"}, {"Modelo Digital", "Eeeee"}, {"Perfiles Clip", "..e.E"},
      {"Elsamex", "Eeeee"}, {"Istram (EPSA)", "Eeeee"}, {"DXF", "Eeeee"}, {"TCP", "..E.."}, {"Topcal", "S.e.e"},
      {"Brennsoft", "..E.."}, {"InRoads", "..E.."}, {"Vial", "....E"}, {"SDR", "..E.."}, {"Calco", "..E.."},
      {"FieldWorks", "..E.."}, {"Mi filtro", "..E.."}}},
    {3,
     {{"Estandar", "....."}, {"Istram Estandar", "..e.E"}, {"Modelo Digital", "....S"}, {"Perfiles Clip", "..e.E"},
      {"Elsamex", "....S"}, {"Istram (EPSA)", "..e.E"}, {"DXF", "....E"}, {"TCP", "....."}, {"Topcal", "....E"},
      {"Brennsoft", "..E.."}, {"InRoads", "....S"}, {"Vial", "....E"}, {"SDR", "..E.."}, {"Calco", "..E.."},
      {"FieldWorks", "..E.."}, {"Mi filtro", "..E.."}}},
    {4,
     {{"Estandar", "..Ee."}, {"Perfiles Clip", "..Ee."}, {"Vial", "..Ee."}, {"Mi filtro", "..Ee."}}},
};

class BaFileTypes : public BaFormTest {
protected:
    BaFileTypes() { store.SaveSetting(platform::kApp, "filtros", "filtro51", "Mi filtro"); }
};

TEST_F(BaFileTypes, OptionsByFormatAndFilter) {
    for (const FormatCase& c : kCases) {
        for (const Selection& s : c.selections) {
            Open(c.formato);
            SelectFilter(s.filter);
            EXPECT_EQ(OptionPicture(*form), s.picture) << "formato " << c.formato << ", " << s.filter;
        }
    }
}

TEST_F(BaFileTypes, LoadAdjustsFormats1And3) {
    EXPECT_EQ(OptionPicture(Open(0)), "Eeeee");
    EXPECT_EQ(OptionPicture(Open(1)), "..E..");
    EXPECT_EQ(OptionPicture(Open(2)), "Eeeee");
    EXPECT_EQ(OptionPicture(Open(3)), "....E");
    EXPECT_EQ(OptionPicture(Open(4)), "..Ee.");
}

// Clearing a selection leaves whatever else was selected, or nothing.
TEST_F(BaFileTypes, DeselectingKeepsOrClearsTheEarlierChoice) {
    Open(3);
    SelectFilter("SDR");
    SelectFilter("InRoads");
    EXPECT_EQ(OptionPicture(*form), ".....");
    SelectFilter("Estandar");
    EXPECT_EQ(OptionPicture(*form), ".....");
    EXPECT_EQ(form->SelectedFileType(), FileType::None);

    Open(0);
    SelectFilter("SDR");
    SelectFilter("Vial");
    EXPECT_EQ(OptionPicture(*form), "..S..");
    SelectFilter("Estandar");
    EXPECT_EQ(OptionPicture(*form), "Eeeee");
}

TEST_F(BaFileTypes, FilterButtonsAndFirstCaption) {
    struct Case {
        std::int16_t formato;
        const char* filter;
        bool buttons;
        const char* caption;
    };
    const Case cases[] = {
        {0, "Estandar", false, "Fichero de Puntos"},         {0, "Istram Estandar", false, "Fichero Observaciones"},
        {0, "FieldWorks", false, "Fichero de Puntos"},       {0, "Mi filtro", true, "Fichero de Puntos"},
        {1, "Estandar", true, "Fichero de Puntos"},          {1, "Istram Estandar", true, "Fichero Observaciones"},
        {2, "Istram Estandar", false, "Fichero Observaciones"}, {3, "Istram Estandar", false, "Fichero Observaciones"},
        {4, "Mi filtro", true, "Fichero de Puntos"},
    };
    for (const Case& c : cases) {
        Open(c.formato);
        SelectFilter(c.filter);
        EXPECT_EQ(form->Command1.Enabled(), c.buttons) << c.formato << " " << c.filter;
        EXPECT_EQ(form->Command6.Enabled(), c.buttons) << c.formato << " " << c.filter;
        EXPECT_TRUE(form->Command5.Enabled());
        EXPECT_EQ(form->Option1.Caption(), c.caption) << c.formato << " " << c.filter;
    }
}

struct OpenCase {
    std::int16_t formato;
    const char* filter;
    const char* option;  // clicked after the filter; nullptr for none
    const char* ext;
    const char* dialogFilter;
};

TEST_F(BaFileTypes, OpenDialogByFileType) {
    const char* ktw = "Fichero de datos KTW (*.KTW)|*.ktw";
    const OpenCase cases[] = {
        {0, "Estandar", nullptr, "pto", "Fichero de puntos (*.PTO)|*.pto"},
        {0, "Estandar", "Option2", "bas", "Fichero de bases (*.BAS)|*.bas"},
        {0, "Estandar", "Option4", "fic", "Fichero de alzado (*.FIC)|*.fic"},
        {0, "Estandar", "Option5", "lib", "Fichero de sección (*.LIB)|*.lib"},
        {0, "Perfiles Clip", nullptr, "PRF", "Fichero de perfiles (*.PRF)|*.PRF"},
        // A selection kept on a disabled option still decides.
        {0, "Topcal", nullptr, "pto", "Fichero de puntos (*.PTO)|*.pto"},
        {2, "Estandar", nullptr, "ktw", ktw},
        {2, "Estandar", "Option2", "ktw", ktw},
        {2, "Estandar", "Option4", "ktw", ktw},
        {2, "Estandar", "Option5", "ktw", ktw},
        {2, "Perfiles Clip", nullptr, "ktw", ktw},
        {2, "Perfiles Clip", "Option4", "txt", "Fichero de datos TXT (*.TXT)|*.txt"},
        // Observations do not count with KTW input; formats 3 and 4 offer every file.
        {1, "Mi filtro", nullptr, "", ""},
        {3, "Estandar", nullptr, "", ""},
        {3, "SDR", nullptr, "", ""},
        {4, "Estandar", "Option5", "", ""},
    };
    for (const OpenCase& c : cases) {
        Open(c.formato);
        SelectFilter(c.filter);
        if (c.option) {
            ASSERT_TRUE(static_cast<platform::OptionButton*>(form->Find(c.option))->UserClick());
        }
        desktop.ClearTranscript();
        desktop.AnswerDialog("/datos/campo/A.PTO");
        form->camb_ent.UserClick();
        ASSERT_EQ(desktop.Transcript().size(), 1u);
        const auto& shown = desktop.Transcript()[0];
        EXPECT_EQ(shown.kind, platform::ShownEvent::Kind::Open);
        EXPECT_EQ(shown.dialog.DialogTitle, "Seleccionar fichero de entrada");
        EXPECT_EQ(shown.dialog.InitDir, "/datos/campo/");
        EXPECT_EQ(shown.dialog.DefaultExt, c.ext) << c.formato << " " << c.filter;
        EXPECT_EQ(shown.dialog.Filter, c.dialogFilter) << c.formato << " " << c.filter;
        EXPECT_EQ(form->fic_ent.Caption(), "/datos/campo/A.PTO");
    }
}

// The open dialog keeps its last filter when the file type gives none.
TEST_F(BaFileTypes, OpenDialogKeepsFilterWithoutAFileType) {
    Open(3);
    form->abrir.Filter = "Fichero de perfiles (*.PRF)|*.PRF";
    form->abrir.DefaultExt = "PRF";
    SelectFilter("Estandar");
    desktop.AnswerDialog("x");
    form->camb_ent.UserClick();
    EXPECT_EQ(desktop.Transcript().back().dialog.Filter, "Fichero de perfiles (*.PRF)|*.PRF");
    EXPECT_EQ(desktop.Transcript().back().dialog.DefaultExt, "PRF");
}

TEST_F(BaFileTypes, SaveDialogByFilter) {
    const char* text = "Fichero de texto (*.TXT)|*.txt|Todos los ficheros (*.*)|*.*";
    const std::vector<std::pair<std::string, std::pair<std::string, std::string>>> cases = {
        {"Estandar", {"TXT", text}},
        {"Istram Estandar", {"TXT", text}},
        {"Modelo Digital", {"TXT", text}},
        {"Perfiles Clip", {"TXT", "Fichero de perfiles(*.TER)|*.ter"}},
        {"Elsamex", {"TXT", text}},
        {"Istram (EPSA)", {"TXT", text}},
        {"DXF", {"DXF", "Fichero DXF (*.DXF)|*.dxf"}},
        {"TCP", {"TXT", "Fichero ASCII LEV(*.LEA)|*.lea"}},
        {"Topcal", {"TXT", text}},
        {"Brennsoft", {"TXT", text}},
        {"InRoads", {"TXT", text}},
        {"Vial", {"TXT", "Fichero de perfiles(*.TER)|*.ter"}},
        {"SDR", {"TXT", text}},
        {"Calco", {"TXT", "Fichero de perfiles(*.LEC)|*.lec"}},
        {"FieldWorks", {"TXT", "Fichero ASCII FieldWorks(*.FWD)|*.fwd"}},
        {"Mi filtro", {"TXT", text}},
    };
    for (std::int16_t formato : {std::int16_t{0}, std::int16_t{3}}) {
        Open(formato);
        for (const auto& [filter, expected] : cases) {
            SelectFilter(filter);
            desktop.AnswerDialog("/datos/oficina/b.txt");
            form->camb_sal.UserClick();
            const auto& shown = desktop.Transcript().back();
            EXPECT_EQ(shown.kind, platform::ShownEvent::Kind::Save);
            EXPECT_EQ(shown.dialog.DialogTitle, "Guardar como");
            EXPECT_EQ(shown.dialog.InitDir, "/datos/oficina/");
            EXPECT_EQ(shown.dialog.Flags, 0x406);
            EXPECT_EQ(shown.dialog.DefaultExt, expected.first) << filter;
            EXPECT_EQ(shown.dialog.Filter, expected.second) << filter;
            EXPECT_EQ(form->fic_sal.Caption(), "/datos/oficina/b.txt");
        }
    }
    EXPECT_TRUE(desktop.Boxes().empty());
}

TEST_F(BaFileTypes, DialogClosedWithoutAFile) {
    Open(0);
    form->fic_ent.SetCaption("/viejo.pto");
    desktop.AnswerDialogClosed();
    form->camb_ent.UserClick();
    desktop.AnswerDialogClosed();
    form->camb_sal.UserClick();
    const auto boxes = desktop.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    for (const auto& box : boxes) {
        EXPECT_EQ(box.text, "No se ha seleccionado ningún archivo.");
        EXPECT_EQ(box.style, 16);
        EXPECT_EQ(box.title, "Atención");
    }
    EXPECT_EQ(form->fic_ent.Caption(), "");
    EXPECT_EQ(form->fic_sal.Caption(), "");
}

}  // namespace
}  // namespace ba_test
