// Every design reader, every kind, on an input of no bytes and on one of blank lines
// only: refused in one box that names the file, before any question, the old output
// as it was, no file left behind.

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
using testing_support::ReadBytes;
using testing_support::TestData;
using testing_support::WriteBytes;

// A reader run on `f` (input, output and the names the boxes show); its result as
// the reader gives it: false, or 0, after a refusal.
using Lectura = std::function<bool(Context&, testing_support::WindowDouble&, const FicherosSeccion&)>;

FicherosSeccion Seccion(const Ficheros& f) {
    FicherosSeccion s;
    static_cast<Ficheros&>(s) = f;
    return s;
}

TEST(EmptyInputs, EveryReaderRefusesItInABoxThatNamesTheFile) {
    testing_support::TempDir dir;
    std::vector<TAlzado> a;
    const auto planta = [](bool (*leer)(Context&, const Ficheros&)) {
        return [leer](Context& c, testing_support::WindowDouble&, const FicherosSeccion& f) { return leer(c, f); };
    };
    const auto alzado = [&a](bool (*leer)(Context&, WindowServices&, const Ficheros&, std::vector<TAlzado>&)) {
        return [leer, &a](Context& c, testing_support::WindowDouble& w, const FicherosSeccion& f) { return leer(c, w, f, a); };
    };
    const auto seccion = [](bool (*leer)(Context&, WindowServices&, const FicherosSeccion&)) {
        return [leer](Context& c, testing_support::WindowDouble& w, const FicherosSeccion& f) { return leer(c, w, f); };
    };
    const auto clip = [&a](int tipo) {
        return [tipo, &a](Context& c, testing_support::WindowDouble& w, const FicherosSeccion& f) {
            return EntryClipWindows::ClipWin_Leer_Fichero(c, w, f, tipo, a);
        };
    };
    const auto vextor = [](int tipo) {
        return [tipo](Context& c, testing_support::WindowDouble& w, const FicherosSeccion& f) {
            EntryVextor::Modulo m;
            Errors::Inicializa_Errores(m.MensajesError);
            if (tipo == 1) return EntryVextor::Vextor_Planta(c, m, f);
            if (tipo == 2) return EntryVextor::Vextor_Alzado(c, w, m, f);
            FicherosSeccion s = f;
            s.alzado = TestData("vextor/prfEJE.ktw");
            return EntryVextor::Secciones_Vextor(c, w, m, s, TestData("vextor/staEJE.ktw"), "STAEJE.KTW");
        };
    };
    const struct {
        const char* lector;
        Lectura leer;
        const char* extension;  // of the input: a Clip listing is known by it
    } casos[] = {
        {"Estandar planta", planta(Estandar_Planta), "txt"},
        {"Estandar alzado", alzado(Estandar_Alzado), "txt"},
        {"Estandar secciones", seccion(Estandar_Seccion_Tipo), "txt"},
        {"Istram planta", planta(Istram_Planta), "txt"},
        {"Istram alzado", alzado(Istram_Alzado), "txt"},
        {"Ispol secciones", seccion(Ispol_Seccion_Tipo), "txt"},
        {"InRoads planta", planta(InRoads_Planta), "txt"},
        {"InRoads alzado", alzado(InRoads_Alzado), "txt"},
        {"InRoads secciones", seccion(InRoads_Seccion_Tipo), "txt"},
        {"Cartomap planta", [](Context& c, testing_support::WindowDouble& w,
                               const FicherosSeccion& f) { return Cartomap_Planta(c, w, f); }, "txt"},
        {"Cartomap alzado", alzado(Cartomap_Alzado), "txt"},
        {"Cartomap secciones", seccion(Cartomap_Seccion_Tipo), "txt"},
        {"TCP planta", planta(TCP_Planta), "txt"},
        {"TCP alzado", alzado(TCP_Alzado), "txt"},
        {"TCP secciones", seccion(TCP_Seccion_Tipo), "txt"},
        {"Trazado planta", planta(Trazado_Planta), "txt"},
        {"Trazado alzado", alzado(Trazado_Alzado), "txt"},
        {"SDR planta y alzado", [](Context& c, testing_support::WindowDouble&,
                                   const FicherosSeccion& f) { return SDR_Planta_Alzado(c, f, f, true); }, "sdr"},
        {"SDR alzado", [](Context& c, testing_support::WindowDouble&,
                          const FicherosSeccion& f) { return SDR_Planta_Alzado(c, f, f, false); }, "sdr"},
        {"SDR secciones", seccion(SDR_Seccion_Tipo), "txt"},
        {"SierraSoft planta y alzado", [](Context& c, testing_support::WindowDouble& w,
                                          const FicherosSeccion& f) { return SierraSoft_Planta_Alzado(c, w, f); }, "gdx"},
        {"SierraSoft peraltes", [](Context& c, testing_support::WindowDouble& w,
                                   const FicherosSeccion& f) { return SierraSoft_Peraltes(c, w, f); }, "gdx"},
        {"SierraSoft secciones", seccion(SierraSoft_Seccion_Tipo), "txt"},
        {"Modelo Digital secciones", seccion(ModeloDigital_Seccion_Tipo), "txt"},
        {"Clip planta", clip(EntryClipWindows::kTipoPlanta), "plt"},
        {"Clip planta RTF", clip(EntryClipWindows::kTipoPlanta), "rtf"},
        {"Clip alzado", clip(EntryClipWindows::kTipoAlzado), "alz"},
        {"Clip alzado RTF", clip(EntryClipWindows::kTipoAlzado), "rtf"},
        {"Clip secciones", seccion(EntryClipWindows::ClipWin_Seccion_Tipo), "txt"},
        {"Clip secciones RTF", seccion(EntryClipWindows::ClipWin_Seccion_Tipo), "rtf"},
        {"Vextor planta", vextor(1), "ktw"},
        {"Vextor alzado", vextor(2), "ktw"},
        {"Vextor secciones", vextor(3), "ktw"},
        {"MDT de caras 3D", [](Context& c, testing_support::WindowDouble& w, const FicherosSeccion& f) {
             return EntryDxf::DXF_MDT(f.entrada, f.salida, "0", w, c.desktop) != 0;
         }, "dxf"},
    };
    // Tarsel v2.27, Tarsel v3.00 (which asks the layer of most sections) and Tunelix.
    const std::pair<std::int16_t, const char*> entradas[] = {
        {0, ""}, {0, "\r\n  \t\r\n\f\r\n\n  "}, {2, ""}, {2, "\n\n"}, {4, ""}, {4, " \r\n"}};
    for (const auto& caso : casos) {
        for (const auto& [formato, contenido] : entradas) {
            SCOPED_TRACE(std::string(caso.lector) + ", format " + std::to_string(formato) +
                         (*contenido != '\0' ? ", blank lines" : ", no bytes"));
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
            WriteBytes(entrada, contenido);
            WriteBytes(salida, "antiguo");
            const std::string nombre = UpperFileName(entrada);  // as the window shows it
            const Ficheros f{entrada, salida, nombre, "SALIDA.OUT", ""};
            testing_support::WindowDouble w;
            EXPECT_FALSE(caso.leer(c, w, Seccion(f)));
            // Said before any question: no window (a layer dialog left unanswered) hides it.
            const auto& vistos = escritorio.Transcript();
            ASSERT_EQ(vistos.size(), 1u);
            EXPECT_EQ(vistos[0].kind, platform::ShownEvent::Kind::Box);
            EXPECT_NE(vistos[0].text.find(nombre), std::string::npos) << vistos[0].text;
            EXPECT_EQ(ReadBytes(salida), "antiguo");
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(carpeta), {}), 2);
        }
    }
}

}  // namespace
