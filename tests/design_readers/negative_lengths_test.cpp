// An element of negative length, from any reader, is refused in a box that names its
// line; the old output stays.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "design_readers/clip_plt.h"
#include "design_readers/estandar.h"
#include "design_readers/inroads.h"
#include "design_readers/tcp.h"
#include "support/reader_run.h"

namespace {

using testing_support::ReadBytes;
using testing_support::WriteBytes;

class LongitudNegativa : public testing_support::ReaderRun {};

TEST_F(LongitudNegativa, RefusedNamingTheLine) {
    using Lector = std::function<bool(Context&, testing_support::WindowDouble&, const design_readers::Ficheros&)>;
    std::vector<TAlzado> alzado;
    const auto alzadoDe = [&alzado](auto leer) {
        return [&alzado, leer](Context& c, testing_support::WindowDouble& w, const design_readers::Ficheros& f) {
            return leer(c, w, f, alzado);
        };
    };
    const struct {
        Lector leer;
        const char* texto;
        const char* motivo;
    } casos[] = {
        // The chainage goes back from 0+100 to 0+050.
        {[](Context& c, auto&, const auto& f) { return design_readers::Leer_Planta(c, f, EntryClipWindows::LeerPlantaPLT); },
         "*PLT\r\n0+100,0,0,100,0,0\r\n0+050,0,0,100,0,0\r\n0+200,0,0,100,0,0\r\n", "Línea 3"},
        {[](Context& c, auto&, const auto& f) { return design_readers::Estandar_Planta(c, f); },
         "1 0 0 0 100 0 0 10\r\n2 10 0 10 100 0 0 -5\r\n", "Línea 2"},
        {alzadoDe(design_readers::Estandar_Alzado), "1 0 100 0 0 -10\r\n", "Línea 1"},
        {alzadoDe(design_readers::InRoads_Alzado), "LIN 0+100 100 0.01 0\nLIN 0+050 100.5 0.01 0\nLIN 0+200 102 0.01 0\n",
         "Línea 2"},
        {[](Context& c, auto&, const auto& f) { return design_readers::TCP_Planta(c, f); },
         "0 0 0 100 0 0\n100 0 100 100 0 0\n50 0 50 100 0 0\n", "Línea 3"},
        // A reader that does not say where an element came from: the element is named.
        {[](Context& c, auto&, const auto& f) {
             return design_readers::Leer_Planta(c, f, [](const std::string&, std::vector<TPlanta>& p) {
                 p.push_back({1, 0, 0, 0, 0, 0, 0, 10});
                 p.push_back({2, 10, 0, 0, 0, 0, 0, -1});
             });
         },
         "", "El elemento 2 de la planta"},
    };
    state.FormatoCampo = 0;
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.texto);
        WriteBytes(dir.File("eje.txt"), caso.texto);
        WriteBytes(dir.File("salida"), "antiguo");
        state.ErrorFichero = 0;
        EXPECT_FALSE(caso.leer(ctx, window, Files(dir.File("eje.txt"), "salida")));
        EXPECT_EQ(state.ErrorFichero, 1);
        ASSERT_FALSE(desktop.Boxes().empty());
        const auto box = desktop.Boxes().back();
        EXPECT_EQ(box.style, 48);
        const std::string motivo = caso.motivo;
        EXPECT_EQ(box.text, "El fichero C:\\OBRA\\EJE.TXT no se ha transformado.\r\r" + motivo +
                                (motivo[0] == 'L' ? ": el elemento" : "") + " tiene longitud negativa.");
        EXPECT_EQ(ReadBytes(dir.File("salida")), "antiguo");
    }
    EXPECT_EQ(desktop.Boxes().size(), std::size(casos));
}

}  // namespace
