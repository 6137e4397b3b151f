// Modelo Digital typical sections, written by hand from the section-file layout.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/context.h"
#include "app/register_forms.h"
#include "design_readers/modelo_digital.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "support/files.h"
#include "support/window_double.h"

namespace {

using testing_support::TempDir;
using testing_support::WriteBytes;

struct Punto {
    char capa;
    double desplazamiento;
    double cota;
};

struct Seccion {
    double pk;
    std::vector<Punto> puntos;  // by layer T, C, S, R, each from left to right
};

std::vector<Seccion> Leer(const std::string& path) {
    std::vector<Seccion> r;
    design_readers::LeerSeccionesModeloDigital(path, [&r](double Pk, field_writers::TSeccion& s) {
        Seccion sec{Pk, {}};
        for (const auto& b : s.Bloques) {
            for (std::int32_t k = 1; k <= b.NumPuntos; ++k) sec.puntos.push_back({b.Codigo, b.Puntos[k].Desplazamiento, b.Puntos[k].Cota});
        }
        r.push_back(sec);
    });
    return r;
}

TEST(ModeloDigitalLines, LayersByFieldEmptyFieldsShortElevationsAndBlankLines) {
    TempDir dir;
    WriteBytes(dir.File("md.txt"),
               "1250.000    CABECERA\r\n"
               "no se lee\r\n"
               "\t3.500\t100.250\t99.900\t\t98.000\t7.000\r\n"
               "\t-2.000\t9.999\t99.900\r\n"
               "\r\n"
               "    1300.000\r\n"
               "\tno se lee\r\n"
               "\t1.000\t100.0000\t \t100.500\r\n"
               "1+250\r\n"
               "\r\n"
               "\t0\t1\r\n"
               "\t5\t2");
    const auto got = Leer(dir.File("md.txt"));
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].pk, 1250);
    const std::vector<Punto> primera = {{'T', 3.5, 98}, {'S', 3.5, 99.9}, {'S', -2, 99.9}, {'R', 3.5, 100.25}, {'R', -2, 9.999}};
    ASSERT_EQ(got[0].puntos.size(), primera.size());
    for (std::size_t k = 0; k < primera.size(); ++k) {
        EXPECT_EQ(got[0].puntos[k].capa, primera[k].capa) << k;
        EXPECT_EQ(got[0].puntos[k].desplazamiento, primera[k].desplazamiento) << k;
        EXPECT_EQ(got[0].puntos[k].cota, primera[k].cota) << k;
    }
    EXPECT_EQ(got[1].pk, 1300);
    ASSERT_EQ(got[1].puntos.size(), 2u);  // a field of a blank only is empty
    EXPECT_EQ(got[1].puntos[0].capa, 'C');
    EXPECT_EQ(got[1].puntos[0].cota, 100.5);
    EXPECT_EQ(got[1].puntos[1].cota, 100);
    EXPECT_EQ(got[2].pk, 1);  // no km+m here
    ASSERT_EQ(got[2].puntos.size(), 1u);  // the blank line is no header: the last line is its point
    EXPECT_EQ(got[2].puntos[0].desplazamiento, 5);
    EXPECT_EQ(got[2].puntos[0].cota, 2);
}

TEST(ModeloDigitalRun, ASingleSectionIsBothEndsOfTheRangeAndAnEmptyFileIsRefused) {
    TempDir dir;
    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore store;
    State state;
    Context ctx{desktop, store, state};
    app::RegisterForms(ctx);
    testing_support::WindowDouble window;
    window.seccionTipo = true;
    state.FormatoCampo = 0;
    design_readers::FicherosSeccion f;
    f.entrada = dir.File("md.txt");
    f.salida = dir.File("EJE.SCT");
    f.nombreEntrada = "MD.TXT";
    f.nombreSalida = "EJE.SCT";
    WriteBytes(f.entrada, "  500.000\nx\n\t1\t100\t99\t98\t97\n");
    ASSERT_TRUE(design_readers::ModeloDigital_Seccion_Tipo(ctx, window, f));
    // 12 bytes of header, 4 blocks of 5 bytes, one point of 32 bytes in each.
    EXPECT_EQ(testing_support::ReadBytes(f.salida).size(), 12u + 20u + 4u * 32u);
    EXPECT_EQ(state.InfoProyecto.PkInicialSeccion, 500);
    EXPECT_EQ(state.InfoProyecto.PkFinalSeccion, 500);
    WriteBytes(f.entrada, "\r\n  \r\n");
    EXPECT_FALSE(design_readers::ModeloDigital_Seccion_Tipo(ctx, window, f));
    EXPECT_EQ(state.ErrorFichero, 1);
    ASSERT_EQ(desktop.Boxes().size(), 2u);
    EXPECT_EQ(desktop.Boxes()[1].text, "El fichero MD.TXT no se ha transformado.\r\rNo contiene ninguna sección.");
}

}  // namespace
