// The Estandar typical-section reader: its lines, the layer dialog of Tarsel v3.00,
// the vertical alignment of Corvana, and what it refuses.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/context.h"
#include "app/register_forms.h"
#include "design_readers/estandar_seccion.h"
#include "design_readers/form_seccion_tipo.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "support/files.h"
#include "support/section_points.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

using Punto = std::pair<double, double>;
struct Leida {
    double pk;
    std::vector<Punto> puntos;
};

std::vector<Leida> Leer(const TempDir& dir, const std::string& texto) {
    WriteBytes(dir.File("in.txt"), texto);
    std::vector<Leida> out;
    design_readers::LeerSeccionesEstandar(dir.File("in.txt"), 'R', [&](double pk, field_writers::TSeccion& s) {
        Leida l{pk, {}};
        const auto& b = s.Bloque('R');
        for (std::int32_t k = 1; k <= b.NumPuntos; ++k) l.puntos.emplace_back(b.Puntos[k].Desplazamiento, b.Puntos[k].Cota);
        out.push_back(l);
    });
    return out;
}

TEST(EstandarSecciones, ChainageAndPointLines) {
    TempDir dir;
    struct Row {
        const char* text;
        std::vector<Leida> want;
    };
    const std::vector<Leida> two = {{1250, {{-5.5, 100.25}, {0, 100.4}, {5, 100.3}}}, {1270, {{-5, 101}, {5, 101}}}};
    const Row rows[] = {
        {"1+250\r\n-5,5 100,25\r\n0 100,40\r\n5 100,30\r\n1+270\r\n-5 101\r\n5 101\r\n", two},
        // TABs separate like blanks; titles, empty lines and a third field are skipped;
        // of two chainage lines the last counts; a closing chainage opens nothing.
        {"SECCIONES\n1+000\n1+250\n-5,5\t100,25  x\n\t \n0\t100,40\n5 100,30\n1+270\nPK 2\n-5 101\n5\t101\n1+300\n", two},
        // Points before any chainage: chainage 0.
        {"-1 5\n", {{0, {{-1, 5}}}}},
        {"1+250\n\n", {}},
        // Numbers with an exponent are numbers, the chainage too: not km 1.25 and 3 m.
        {"1.25E+3\n-5.5E0 1.0025E2\n", {{1250, {{-5.5, 100.25}}}}},
    };
    for (const Row& row : rows) {
        const auto got = Leer(dir, row.text);
        ASSERT_EQ(got.size(), row.want.size()) << row.text;
        for (std::size_t k = 0; k < got.size(); ++k) {
            EXPECT_EQ(got[k].pk, row.want[k].pk);
            EXPECT_EQ(got[k].puntos, row.want[k].puntos);
        }
    }
}

class EstandarSeccionRun : public testing_support::SeccionRun {
protected:
    bool Run() { return design_readers::Estandar_Seccion_Tipo(ctx, window, f); }
};

long Long(const std::string& b, std::size_t at) {
    std::int32_t v;
    std::memcpy(&v, b.data() + at, 4);  // the test machine is little-endian
    return v;
}

TEST_F(EstandarSeccionRun, TarselV3LayerChosenInTheDialogWithoutCarryingPoints) {
    state.FormatoCampo = 2;
    WriteBytes(f.entrada, "10\n-1 100\n1 100\n20\n-2 100\n0 100\n2 100\n");
    desktop.QueueAction([this] {
        auto& form = desktop.Forms().Get<design_readers::Form_Seccion_Tipo>("Form_Seccion_Tipo");
        form.Option_Taludes.UserClick();
        form.Command_Aceptar.UserClick();
    });
    ASSERT_TRUE(Run());
    const std::string b = ReadBytes(f.salida);
    // 12 + 20 + 2*32, then 12 + 20 + 3*32: the second section holds its own three points.
    ASSERT_EQ(b.size(), 96u + 128u);
    EXPECT_EQ(b[12], 'T');
    EXPECT_EQ(Long(b, 13), 2);
    EXPECT_EQ(Long(b, 96 + 8), 3);
    EXPECT_EQ(Long(b, 96 + 13), 3);
    EXPECT_EQ(b[96 + 123], 'R');  // after T with its three points, C and S: R, empty
    EXPECT_EQ(Long(b, 96 + 124), 0);
    EXPECT_EQ(ReadBytes(dir.File("EJE.STD")).size(), 24u);
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].text,
              "\rFichero de entrada   :  SEC.TXT\r\rFichero de salida   :  EJE.SCT\r\r"
              "Pk Inicio            :  10.000\rPk Final             :  20.000\r");
    EXPECT_EQ(state.InfoProyecto.NombreTaludes, "EJE.SCT");
}

TEST_F(EstandarSeccionRun, CorvanaSectionsOnTheProfileNameTheRasanteFile) {
    Corvana();
    WriteBytes(f.alzado, "1 0 100 0.01 0 500\n");
    WriteBytes(f.entrada, "0+100\n-2\t101\n0 101\n2 101\n");
    ASSERT_TRUE(Run());
    // Axis elevation at 100: 101; the points level with it.
    EXPECT_EQ(ReadBytes(f.salida),
              "P;L=GAUCHE;PMDEV=100.000;TPC=non;D1=2.000;P1=0.0000;D2=0.001;P2=0.000;N= 2\r\n"
              "P;L=DROITE;PMDEV=100.000;TPC=non;D1=2.000;P1=0.0000;D2=0.001;P2=0.000;N= 2\r\n");
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_NE(desktop.Boxes()[0].text.find("Fichero de Subrasante:  \rFichero de Rasante   :  EJE.PRO\r"),
              std::string::npos);
}

TEST_F(EstandarSeccionRun, RefusedOrCancelledRunsWriteNothing) {
    struct Row {
        int formato;
        const char* seccion;
        const char* alzado;
        bool cerrarDialogo;
        const char* box;  // "" when no box
    };
    const Row rows[] = {
        {0, "PK\n1+000\n", "", false, "El fichero SEC.TXT no se ha transformado.\r\rNo contiene ninguna sección."},
        {3, "0 1\n", "titulo\n", false,
         "El fichero EJE.ALZ no se ha transformado.\r\rLínea 1: no es un elemento de alzado; sus 6 primeros campos "
         "deben ser números."},
        {2, "0 1\n", "", true, ""},
    };
    for (const Row& row : rows) {
        desktop.ClearTranscript();
        state.FormatoCampo = static_cast<std::int16_t>(row.formato);
        state.ErrorFichero = 0;
        WriteBytes(f.entrada, row.seccion);
        WriteBytes(f.alzado, row.alzado);
        if (row.cerrarDialogo) {
            desktop.QueueAction([this] { desktop.UserClose(desktop.Forms().Get("Form_Seccion_Tipo")); });
        }
        EXPECT_FALSE(Run());
        EXPECT_EQ(state.ErrorFichero, 1);
        EXPECT_FALSE(std::filesystem::exists(f.salida));
        EXPECT_FALSE(std::filesystem::exists(dir.File("EJE.STD")));
        const auto boxes = desktop.Boxes();
        ASSERT_EQ(boxes.size(), *row.box ? 1u : 0u);
        if (*row.box) {
            EXPECT_EQ(boxes[0].text, row.box);
        }
    }
}

}  // namespace
