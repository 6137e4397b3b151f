// Every design reader, every kind, on an input of no bytes or of blank lines only:
// refused in one box that names the file, before any question, the old output as it
// was, no file left behind.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/register_forms.h"
#include "common/file_names.h"
#include "design_readers/cartomap.h"
#include "design_readers/clip_entrada.h"
#include "design_readers/clip_secciones.h"
#include "design_readers/dxf_mdt.h"
#include "design_readers/estandar.h"
#include "design_readers/estandar_seccion.h"
#include "design_readers/inroads.h"
#include "design_readers/ispol_seccion.h"
#include "design_readers/istram.h"
#include "design_readers/modelo_digital.h"
#include "design_readers/sdr.h"
#include "design_readers/sierrasoft.h"
#include "design_readers/tcp.h"
#include "design_readers/trazado.h"
#include "design_readers/vextor.h"
#include "design_readers/vextor_errors.h"
#include "support/reader_run.h"

namespace {

using namespace design_readers;
using testing_support::TestData;
using W = testing_support::WindowDouble;
using F = FicherosSeccion;

// A reader's run; false (or no triangle) after a refusal.
using Lectura = std::function<bool(Context&, W&, const F&)>;
Lectura De(bool (*leer)(Context&, const Ficheros&)) {
    return [leer](Context& c, W&, const F& f) { return leer(c, f); };
}
Lectura De(bool (*leer)(Context&, WindowServices&, const Ficheros&)) {
    return [leer](Context& c, W& w, const F& f) { return leer(c, w, f); };
}
Lectura De(bool (*leer)(Context&, WindowServices&, const F&)) {
    return [leer](Context& c, W& w, const F& f) { return leer(c, w, f); };
}
Lectura De(bool (*leer)(Context&, WindowServices&, const Ficheros&, std::vector<TAlzado>&)) {
    return [leer](Context& c, W& w, const F& f) {
        std::vector<TAlzado> a;
        return leer(c, w, f, a);
    };
}
Lectura Clip(int tipo) {
    return [tipo](Context& c, W& w, const F& f) {
        std::vector<TAlzado> a;
        return EntryClipWindows::ClipWin_Leer_Fichero(c, w, f, tipo, a);
    };
}
Lectura Vextor(int tipo) {
    return [tipo](Context& c, W& w, const F& f) {
        EntryVextor::Modulo m;
        Errors::Inicializa_Errores(m.MensajesError);
        if (tipo != 3) return tipo == 1 ? EntryVextor::Vextor_Planta(c, m, f) : EntryVextor::Vextor_Alzado(c, w, m, f);
        F s = f;
        s.alzado = TestData("vextor/prfEJE.ktw");
        return EntryVextor::Secciones_Vextor(c, w, m, s, TestData("vextor/staEJE.ktw"), "STAEJE.KTW");
    };
}

TEST(EmptyInputs, EveryReaderRefusesItInABoxThatNamesTheFile) {
    const struct {
        const char* lector;
        Lectura leer;
        const char* extension;  // of the input: Clip listings are known by it
    } casos[] = {
        {"Estandar planta", De(Estandar_Planta), "txt"},
        {"Estandar alzado", De(Estandar_Alzado), "txt"},
        {"Estandar secciones", De(Estandar_Seccion_Tipo), "txt"},
        {"Istram planta", De(Istram_Planta), "txt"},
        {"Istram alzado", De(Istram_Alzado), "txt"},
        {"Ispol secciones", De(Ispol_Seccion_Tipo), "txt"},
        {"InRoads planta", De(InRoads_Planta), "txt"},
        {"InRoads alzado", De(InRoads_Alzado), "txt"},
        {"InRoads secciones", De(InRoads_Seccion_Tipo), "txt"},
        {"Cartomap planta", De(Cartomap_Planta), "txt"},
        {"Cartomap alzado", De(Cartomap_Alzado), "txt"},
        {"Cartomap secciones", De(Cartomap_Seccion_Tipo), "txt"},
        {"TCP planta", De(TCP_Planta), "txt"},
        {"TCP alzado", De(TCP_Alzado), "txt"},
        {"TCP secciones", De(TCP_Seccion_Tipo), "txt"},
        {"Trazado planta", De(Trazado_Planta), "txt"},
        {"Trazado alzado", De(Trazado_Alzado), "txt"},
        {"SDR planta", [](Context& c, W&, const F& f) { return SDR_Planta_Alzado(c, f, f, true); }, "sdr"},
        {"SDR alzado", [](Context& c, W&, const F& f) { return SDR_Planta_Alzado(c, f, f, false); }, "sdr"},
        {"SDR secciones", De(SDR_Seccion_Tipo), "txt"},
        {"SierraSoft planta y alzado", De(SierraSoft_Planta_Alzado), "gdx"},
        {"SierraSoft peraltes", De(SierraSoft_Peraltes), "gdx"},
        {"SierraSoft secciones", De(SierraSoft_Seccion_Tipo), "txt"},
        {"Modelo Digital secciones", De(ModeloDigital_Seccion_Tipo), "txt"},
        {"Clip planta", Clip(EntryClipWindows::kTipoPlanta), "plt"},
        {"Clip planta RTF", Clip(EntryClipWindows::kTipoPlanta), "rtf"},
        {"Clip alzado", Clip(EntryClipWindows::kTipoAlzado), "alz"},
        {"Clip alzado RTF", Clip(EntryClipWindows::kTipoAlzado), "rtf"},
        {"Clip secciones", De(EntryClipWindows::ClipWin_Seccion_Tipo), "txt"},
        {"Clip secciones RTF", De(EntryClipWindows::ClipWin_Seccion_Tipo), "rtf"},
        {"Vextor planta", Vextor(1), "ktw"},
        {"Vextor alzado", Vextor(2), "ktw"},
        {"Vextor secciones", Vextor(3), "ktw"},
        {"MDT", [](Context& c, W& w, const F& f) { return EntryDxf::DXF_MDT(f.entrada, f.salida, "0", w, c.desktop) != 0; },
         "dxf"},
    };
    // Tarsel v2.27, Tarsel v3.00 (which asks the layer of most sections) and Tunelix.
    const std::pair<std::int16_t, const char*> entradas[] = {
        {0, ""}, {0, "\r\n  \t\r\n\f\r\n\n  "}, {2, ""}, {2, "\n\n"}, {4, ""}, {4, " \r\n"}};
    testing_support::TempDir dir;
    for (const auto& caso : casos) {
        for (const auto& [formato, contenido] : entradas) {
            SCOPED_TRACE(std::string(caso.lector) + ", format " + std::to_string(formato) + ", \"" + contenido + "\"");
            platform::ScriptedDesktop escritorio;
            platform::MemorySettingsStore store;
            State estado;
            estado.FormatoCampo = formato;
            Context c{escritorio, store, estado};
            app::RegisterForms(c);
            const std::filesystem::path carpeta = dir.Path() / "caso";
            std::filesystem::remove_all(carpeta);
            std::filesystem::create_directories(carpeta);
            const std::string entrada = (carpeta / (std::string("vacio.") + caso.extension)).string();
            const std::string salida = (carpeta / "salida.out").string();
            testing_support::WriteBytes(entrada, contenido);
            testing_support::WriteBytes(salida, "antiguo");
            F f;
            static_cast<Ficheros&>(f) = {entrada, salida, UpperFileName(entrada), "SALIDA.OUT", ""};
            W w;
            EXPECT_FALSE(caso.leer(c, w, f));
            // No window came first: a layer dialog left unanswered would hide the box.
            const auto& vistos = escritorio.Transcript();
            ASSERT_EQ(vistos.size(), 1u);
            EXPECT_EQ(vistos[0].kind, platform::ShownEvent::Kind::Box);
            EXPECT_NE(vistos[0].text.find(f.nombreEntrada), std::string::npos) << vistos[0].text;
            EXPECT_EQ(testing_support::ReadBytes(salida), "antiguo");
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(carpeta), {}), 2);
        }
    }
}

}  // namespace
