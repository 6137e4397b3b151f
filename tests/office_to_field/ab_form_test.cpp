// The request of the office-to-field window with recording stand-ins in its
// converter table: the typical-section questions, what a converter receives, and
// how its failures end the request.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/context.h"
#include "common/errors.h"
#include "office_to_field/ab_form.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"

using office_to_field::AbConverter;
using office_to_field::AbRequest;

namespace {

class StubForm : public platform::Form {
public:
    explicit StubForm(std::string name) : platform::Form(std::move(name), "stub") {}
};

class AbFormTest : public ::testing::Test {
protected:
    AbFormTest() {
        desktop.Forms().Register("Bin_KTW", [] { return std::make_unique<StubForm>("Bin_KTW"); });
    }

    ab_form& Open(std::int16_t formato, const std::string& programa) {
        state.FormatoCampo = formato;
        form = std::make_unique<ab_form>(ctx);
        desktop.ShowModal(*form);
        EXPECT_TRUE(form->Combo1.UserSelectText(programa)) << programa;
        return *form;
    }

    // A stand-in that records the request and does what `act` says.
    void Install(AbConverter converter, std::function<bool(Context&, AbRequest const&)> act = {}) {
        form->Converters().Set(converter, [this, act](Context& c, design_readers::WindowServices&,
                                                       const AbRequest& request) {
            requests.push_back(request);
            return act ? act(c, request) : true;
        });
    }

    void Files(const std::string& in, const std::string& out) {
        form->abrir.FileName = in;
        form->guardar.FileName = out;
    }

    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : desktop.Boxes()) texts.push_back(box.text);
        return texts;
    }

    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore store;
    State state;
    Context ctx{desktop, store, state};
    std::unique_ptr<ab_form> form;
    std::vector<AbRequest> requests;
};

TEST_F(AbFormTest, VextorSectionsAskBothFilesAndCancelEndsTheRequest) {
    Open(0, "Vextor").Option10.SetValue(true);
    Install(AbConverter::Vextor_Seccion_Tipo);
    Files("/d/crs1.KTW", "/d/Salida.sct");
    // Cancel on the first question: nothing runs, the names stay.
    desktop.AnswerBox(platform::answer::Cancel);
    form->Command4_Click();
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(state.OutFile2, "/D/SALIDA.STD");
    EXPECT_EQ(form->guardar.FileName, "/d/Salida.sct");
    // Cancel on the second: the alzado was picked, still nothing runs.
    desktop.AnswerBox(platform::answer::OK);
    desktop.AnswerDialog("/d/prf1.ktw");
    desktop.AnswerBox(platform::answer::Cancel);
    form->Command4_Click();
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(state.AlzadoFile, "/D/PRF1.KTW");
    // Both answered: the converter gets the picked names as chosen and the index file.
    desktop.ClearTranscript();
    desktop.AnswerBox(platform::answer::OK);
    desktop.AnswerDialog("/d/prf2.ktw");
    desktop.AnswerBox(platform::answer::OK);
    desktop.AnswerDialog("/d/sta2.ktw");
    form->Command4_Click();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].AlzadoPath, "/d/prf2.ktw");
    EXPECT_EQ(requests[0].AsignacionPath, "/d/sta2.ktw");
    EXPECT_EQ(requests[0].StdPath, "/d/Salida.STD");
    EXPECT_EQ(state.AsignacionFile, "/D/STA2.KTW");
    const std::vector<std::string> boxes = {
        "A continuación se debe seleccionar el fichero de alzado de Vextor",
        "A continuación se debe seleccionar el fichero de asignación de sección tipo de Vextor"};
    EXPECT_EQ(BoxTexts(), boxes);  // a section ends with its reader's summary, not the end box
    // The pickers put the window's own input name back.
    EXPECT_EQ(form->abrir.DialogTitle, "Seleccionar fichero de entrada");
    EXPECT_EQ(form->abrir.Filter, "Fichero Asignacion Sección Tipo (sta*.KTW)|sta*.KTW");
}

TEST_F(AbFormTest, CorvanaSectionsNeedTheAlzadoFile) {
    Open(3, "InRoads").Option10.SetValue(true);
    Install(AbConverter::InRoads_Seccion_Tipo);
    Files("/d/secciones.txt", "/d/eje.pro");
    state.OutFile2 = "/D/ANTERIOR.STD";
    desktop.AnswerDialogClosed();
    form->Command4_Click();
    EXPECT_TRUE(requests.empty());
    const std::vector<std::string> boxes = {
        "A continuación se debe seleccionar el fichero de alzado de InRoads",
        "No se ha seleccionado el archivo de alzado de InRoads necesario para realizar esta transformación"};
    EXPECT_EQ(BoxTexts(), boxes);
    EXPECT_EQ(desktop.MousePointer(), platform::kDefaultPointer);
    desktop.AnswerDialog("/d/eje.lon");
    form->Command4_Click();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].AlzadoPath, "/d/eje.lon");
    EXPECT_EQ(requests[0].StdPath, "");  // Corvana sections have no index file
}

TEST_F(AbFormTest, FailuresEndWithoutTheEndBox) {
    Open(0, "Estandar").Option1.SetValue(true);
    // A converter that throws: a box names the input and the cause; the window goes on.
    Install(AbConverter::A_B_Puntos_Bases_Estandar, [](Context&, const AbRequest&) -> bool {
        throw ConversionError("Línea 3: el valor 1e999 es demasiado grande.");
    });
    Files("/d/puntos.txt", "/d/puntos.pto");
    form->Command4_Click();
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].text,
              "Error al transformar el fichero /d/puntos.txt:\rLínea 3: el valor 1e999 es demasiado grande.");
    EXPECT_EQ(desktop.Boxes()[0].style, 16);
    EXPECT_EQ(state.ErrorFichero, 0);
    EXPECT_EQ(desktop.MousePointer(), platform::kDefaultPointer);
    // A reader that said itself why it refused: no end box, the flag cleared.
    desktop.ClearTranscript();
    Install(AbConverter::A_B_Puntos_Bases_Estandar, [](Context& c, const AbRequest&) {
        c.state.ErrorFichero = 1;
        return true;
    });
    Files("/d/puntos.txt", "/d/puntos.pto");
    form->Command4_Click();
    EXPECT_TRUE(desktop.Boxes().empty());
    EXPECT_EQ(state.ErrorFichero, 0);
    EXPECT_EQ(form->guardar.FileName, "");  // the request went to its end
    // A converter that ends the request early keeps the names and the stored folders.
    Install(AbConverter::A_B_Puntos_Bases_Estandar, [](Context&, const AbRequest&) { return false; });
    Files("/e/puntos.txt", "/e/puntos.pto");
    form->Command4_Click();
    EXPECT_EQ(form->guardar.FileName, "/e/puntos.pto");
    EXPECT_EQ(store.GetSetting(platform::kApp, "path", "path_ab_sal"), "/d/");
    // The next request shows its end box normally.
    Install(AbConverter::A_B_Puntos_Bases_Estandar);
    form->Command4_Click();
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].title, "Transformación finalizada");
}

TEST_F(AbFormTest, WhatConvertersReceive) {
    // Tunelix planta: the header of the output's name; the layer of Text_Layer.
    Open(4, "Istram").Option3.SetValue(true);
    form->Text_Layer.SetText("Eje");
    Install(AbConverter::Istram_Planta);
    Files("/d/eje.lis", "/d/Eje1.ktw");
    form->Command4_Click();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Header, "*41....+000000000000EJE1 42....+0000000SITUATION ");
    EXPECT_EQ(requests[0].Layer, "Eje");
    EXPECT_EQ(state.OutFile2, "EJE1");
    // Text points of format 2 get the 16-digit 3D words whatever the options said.
    Open(2, "Estandar").Option1.SetValue(true);
    state.KtwFormat = "KTW 8";
    state.AnchoPalabra = 8;
    state.RestarConstante = "Y";
    state.ConstanteX = 450000;
    state.ConstanteY = 4100000;
    state.Dimensiones = "2";
    Install(AbConverter::ASCII_KTW);
    Files("/d/puntos.txt", "/d/puntos.ktw");
    form->Command4_Click();
    EXPECT_EQ(requests.size(), 2u);
    EXPECT_EQ(state.KtwFormat, "KTW16");
    EXPECT_EQ(state.AnchoPalabra, 16);
    EXPECT_EQ(state.RestarConstante, "N");
    EXPECT_EQ(state.ConstanteX, 0);
    EXPECT_EQ(state.ConstanteY, 0);
    EXPECT_EQ(state.Dimensiones, "3");
}

TEST_F(AbFormTest, ShortSectionNamesGiveNoIndexName) {
    Open(0, "Estandar").Option10.SetValue(true);
    Install(AbConverter::Estandar_Seccion_Tipo);
    state.OutFile2 = "/D/ANTERIOR.STD";
    Files("/d/secciones.txt", "ab");
    form->Command4_Click();
    EXPECT_EQ(state.OutFile2, "");
    EXPECT_TRUE(requests.empty());
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].text, "No es válida la extensión del fichero de salida.");
}

TEST_F(AbFormTest, WindowServices) {
    ab_form& f = Open(0, "Cartomap V4.xx");
    design_readers::WindowServices& window = f;
    EXPECT_EQ(window.Programa(), "Cartomap V4.xx");
    f.Option10.SetValue(true);
    EXPECT_TRUE(window.SeccionTipo());
    window.Progreso("Leyendo perfil 12");
    EXPECT_EQ(f.Text1.Text(), "Leyendo perfil 12");
    EXPECT_EQ(window.Capa(), "Capa1");
    EXPECT_THROW(window.TextoRTF("/d/planta.rtf"), ConversionError);
    // The save dialog asks for a per-axis name and puts the window's own back.
    f.guardar.FileName = "/d/salida/";
    desktop.AnswerDialog("/d/salida/EJE2.PLA");
    EXPECT_EQ(window.GuardarComo("Eje 2", "/d/salida/EJE2.PLA"), std::optional<std::string>("/d/salida/EJE2.PLA"));
    EXPECT_EQ(desktop.Transcript().back().dialog.DialogTitle, "Eje 2");
    EXPECT_EQ(f.guardar.FileName, "/d/salida/");
    EXPECT_EQ(f.guardar.DialogTitle, "Guardar como");
    desktop.AnswerDialogClosed();
    EXPECT_EQ(window.GuardarComo("Eje 3", "/d/salida/EJE3.PLA"), std::nullopt);
}

}  // namespace
